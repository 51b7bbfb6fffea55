# Icons and images are listed in resources/resources.qrc under ":/res/".
# Translations are compiled from resources/translations/*.ts and served under ":/Translations/".
target_sources(brindle_common PRIVATE ${CMAKE_SOURCE_DIR}/resources/resources.qrc)

set(BRINDLE_LANGUAGES zh_CN en_US fr de it ja pt_BR ru es)
set(BRINDLE_TS_FILES)
foreach(lang IN LISTS BRINDLE_LANGUAGES)
  list(APPEND BRINDLE_TS_FILES ${CMAKE_SOURCE_DIR}/resources/translations/BrindleConverter_${lang}.ts)
endforeach()

set_source_files_properties(${BRINDLE_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt5_add_translation(BRINDLE_QM_FILES ${BRINDLE_TS_FILES})

set(translations_qrc ${CMAKE_BINARY_DIR}/translations/translations.qrc)
set(qrc_body "<RCC>\n  <qresource prefix=\"/Translations\">\n")
foreach(lang IN LISTS BRINDLE_LANGUAGES)
  string(APPEND qrc_body "    <file>BrindleConverter_${lang}.qm</file>\n")
endforeach()
string(APPEND qrc_body "  </qresource>\n</RCC>\n")
file(GENERATE OUTPUT ${translations_qrc} CONTENT "${qrc_body}")

set(translations_cpp ${CMAKE_BINARY_DIR}/translations/qrc_translations.cpp)
add_custom_command(
  OUTPUT ${translations_cpp}
  COMMAND Qt5::rcc --name translations --output ${translations_cpp} ${translations_qrc}
  DEPENDS ${BRINDLE_QM_FILES} ${translations_qrc}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/translations
  COMMENT "Compiling translations into resources")
set_source_files_properties(${translations_cpp} PROPERTIES SKIP_AUTOGEN ON)
target_sources(brindle_common PRIVATE ${translations_cpp})

# Refreshes the .ts files from the sources; run by hand after adding texts.
add_custom_target(update_translations
  COMMAND Qt5::lupdate -no-obsolete -locations none ${CMAKE_SOURCE_DIR}/src -ts ${BRINDLE_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
