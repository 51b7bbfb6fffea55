// The project reader on arbitrary bytes. A refused file must say why; a read one must
// write out and read back to the very same text.
#include "layers/projectfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProjectData first;
    QString error;
    if (!ProjectFile::parse(QByteArray(reinterpret_cast<const char *>(data), int(size)), &first, &error)) {
        if (error.isEmpty() || !first.layers.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = ProjectFile::toXml(first);
    ProjectData again;
    if (!ProjectFile::parse(written, &again, &error) || again.layers.size() != first.layers.size()
        || ProjectFile::toXml(again) != written)
        std::abort();
    return 0;
}
