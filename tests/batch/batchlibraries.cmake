# The runner works without a window: neither widgets, OpenGL nor SDL may load with it.
# cmake -DPROGRAM=<brindle-batch> -P batchlibraries.cmake
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
if(NOT libraries MATCHES "libQt5Core")
  message(FATAL_ERROR "ldd listed nothing recognisable for ${PROGRAM}:\n${libraries}")
endif()
string(REGEX MATCHALL "lib(Qt5Widgets|Qt5OpenGL|SDL2)[^ \t\n]*" unwanted "${libraries}")
if(unwanted)
  list(REMOVE_DUPLICATES unwanted)
  message(FATAL_ERROR "brindle-batch loads ${unwanted}")
endif()
