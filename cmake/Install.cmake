# The application and its engines go into one private folder, because the
# application starts "TesselEngine" and "melt" from its own folder.
set(BRINDLE_APP_DIR ${CMAKE_INSTALL_LIBDIR}/brindle)

install(TARGETS brindle RUNTIME DESTINATION ${BRINDLE_APP_DIR})
foreach(engine IN ITEMS TesselEngine melt)
  if(TARGET ${engine})
    install(TARGETS ${engine} RUNTIME DESTINATION ${BRINDLE_APP_DIR})
  endif()
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${BRINDLE_APP_DIR})
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/opts)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/opts DESTINATION ${BRINDLE_APP_DIR})
endif()

file(RELATIVE_PATH BRINDLE_RELATIVE_APP_DIR /${CMAKE_INSTALL_BINDIR} /${BRINDLE_APP_DIR})
configure_file(${CMAKE_SOURCE_DIR}/resources/brindle-launcher.in ${CMAKE_BINARY_DIR}/brindle-launcher @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/brindle-launcher DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME brindle)
install(FILES ${CMAKE_SOURCE_DIR}/resources/brindle.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/brindle.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
