#include "jobs/melttimecode.h"

#include <framework/mlt_profile.h>
#include <framework/mlt_properties.h>

#include <dlfcn.h>

namespace {

// The MLT 7 library as installed; its functions are looked up by name on first use.
constexpr char kLibrary[] = "libmlt-7.so.7";

struct MltFunctions
{
    decltype(&mlt_profile_init) profileInit = nullptr;
    decltype(&mlt_profile_close) profileClose = nullptr;
    decltype(&mlt_properties_new) propertiesNew = nullptr;
    decltype(&mlt_properties_set_data) setData = nullptr;
    decltype(&mlt_properties_frames_to_time) framesToTime = nullptr;
    decltype(&mlt_properties_close) propertiesClose = nullptr;

    bool complete() const
    {
        return profileInit && profileClose && propertiesNew && setData && framesToTime && propertiesClose;
    }
};

template<typename Function>
void lookUp(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
}

const MltFunctions &mlt()
{
    static const MltFunctions functions = [] {
        MltFunctions found;
        void *library = dlopen(kLibrary, RTLD_LAZY | RTLD_LOCAL);
        if (!library)
            return found;
        lookUp(library, "mlt_profile_init", found.profileInit);
        lookUp(library, "mlt_profile_close", found.profileClose);
        lookUp(library, "mlt_properties_new", found.propertiesNew);
        lookUp(library, "mlt_properties_set_data", found.setData);
        lookUp(library, "mlt_properties_frames_to_time", found.framesToTime);
        lookUp(library, "mlt_properties_close", found.propertiesClose);
        return found;
    }();
    return functions;
}

}

QString meltTimecode(int frame, int rateNumerator, int rateDenominator)
{
    const MltFunctions &f = mlt();
    if (!f.complete())
        return QString();
    mlt_profile profile = f.profileInit(nullptr);
    if (!profile)
        return QString();
    if (rateNumerator >= 1 && rateDenominator >= 1) {
        profile->frame_rate_num = rateNumerator;
        profile->frame_rate_den = rateDenominator;
    }
    mlt_properties properties = f.propertiesNew();
    QString text;
    if (properties) {
        f.setData(properties, "_profile", profile, 0, nullptr, nullptr);
        // The text belongs to the properties.
        const char *time = f.framesToTime(properties, frame, mlt_time_smpte_df);
        text = time ? QString::fromUtf8(time) : QString();
        f.propertiesClose(properties);
    }
    f.profileClose(profile);
    return text;
}
