# Each folder under src/ is a static library (a folder with both widget-free code and widgets may
# be two), and the libraries link in one order: common, settings, subtitles, text, layers, jobs,
# player, editor, app. A library sees only the headers of itself and of what it links: every
# library gets an include folder of its own that holds links to its own headers, so an include
# of a higher folder's header does not compile.

# brindle_library(<name> <sources...> LINKS <libraries...>)
function(brindle_library name)
  cmake_parse_arguments(arg "" "" "LINKS" ${ARGN})
  add_library(${name} STATIC ${arg_UNPARSED_ARGUMENTS})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  target_include_directories(${name} PUBLIC ${CMAKE_BINARY_DIR}/include/${name})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
  set_property(GLOBAL APPEND PROPERTY BRINDLE_LIBRARIES ${name})
endfunction()

# Called once every library has all its sources, wherever they were added.
function(brindle_expose_headers)
  get_property(libraries GLOBAL PROPERTY BRINDLE_LIBRARIES)
  foreach(name IN LISTS libraries)
    set(root ${CMAKE_BINARY_DIR}/include/${name})
    file(REMOVE_RECURSE ${root})
    get_target_property(sources ${name} SOURCES)
    get_target_property(source_dir ${name} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(NOT source MATCHES "\\.h$")
        continue()
      endif()
      get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
      file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/src ${source})
      get_filename_component(folder ${root}/${relative} DIRECTORY)
      file(MAKE_DIRECTORY ${folder})
      file(CREATE_LINK ${source} ${root}/${relative} SYMBOLIC)
    endforeach()
  endforeach()
endfunction()
