# The runner works without a window: neither widgets, OpenGL nor SDL may load with it, neither
# linked nor loaded while it runs (image plugins bring Qt Widgets along with SVG support); nor
# MLT, which only a melt job's failure report uses.
# cmake -DPROGRAM=<brindle-batch> -DWORK=<scratch folder> -P batchlibraries.cmake
set(unwantedPattern "lib(Qt5Widgets|Qt5OpenGL|SDL2|mlt)[^ \t\n]*")

execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "ldd could not read ${PROGRAM}")
endif()
if(NOT libraries MATCHES "libQt5Core")
  message(FATAL_ERROR "ldd listed nothing recognisable for ${PROGRAM}:\n${libraries}")
endif()
string(REGEX MATCHALL "${unwantedPattern}" unwanted "${libraries}")
if(unwanted)
  list(REMOVE_DUPLICATES unwanted)
  message(FATAL_ERROR "brindle-batch links ${unwanted}")
endif()

# A dry run of a project with a PNG logo, in a profile of its own.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/data/Brindle)
file(WRITE ${WORK}/data/Brindle/Brindle.ini "[System]\nCheckHW=false\nOutPath=${WORK}/out\n")
set(ENV{XDG_DATA_HOME} ${WORK}/data)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
foreach(media IN ITEMS "color=c=red:s=16x16;-frames:v;1;logo.png" "testsrc=s=64x48:d=0.2;-pix_fmt;yuv420p;clip.mp4")
  list(POP_FRONT media source)
  execute_process(COMMAND ffmpeg -v error -y -f lavfi -i ${source} ${media} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "ffmpeg could not make ${media}")
  endif()
endforeach()
file(WRITE ${WORK}/logo.qpj
     "<Layers><Layer><Type>2</Type><FileName>logo.png</FileName><x>0</x><y>0</y><Width>16</Width>"
     "<Height>16</Height><CanvasWidth>64</CanvasWidth><CanvasHeight>48</CanvasHeight></Layer></Layers>\n")
set(ENV{LD_DEBUG} files)
execute_process(COMMAND ${PROGRAM} --dry-run --project logo.qpj --format mp4 --output out clip.mp4
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE planned ERROR_VARIABLE loaded RESULT_VARIABLE result)
unset(ENV{LD_DEBUG})
if(NOT result EQUAL 0 OR NOT planned MATCHES "logo.png")
  message(FATAL_ERROR "the dry run did not plan the logo (${result}):\n${planned}")
endif()
string(REGEX MATCHALL "file=${unwantedPattern}" unwanted "${loaded}")
if(unwanted)
  list(REMOVE_DUPLICATES unwanted)
  list(TRANSFORM unwanted REPLACE "^file=" "")
  message(FATAL_ERROR "brindle-batch loads ${unwanted} while it runs")
endif()
