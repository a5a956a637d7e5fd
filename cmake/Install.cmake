# `cmake --install`: the four commands, Ruffle's web build, the demo show with a player copy that
# plays it, and the manual pages, laid out by GNUInstallDirs. The Debian package
# (cmake/Packaging.cmake) is made from the same rules. The core-only builds install nothing.
if(SHOWSAVER_CORE_ONLY)
  return()
endif()
include(GNUInstallDirs)

install(TARGETS showsaver mkshow fxrender fxgallery RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ruffle/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/showsaver/ruffle)
install(DIRECTORY ${CMAKE_BINARY_DIR}/demo/ DESTINATION ${CMAKE_INSTALL_DATADIR}/showsaver/demo
        FILES_MATCHING PATTERN "demo.dat" PATTERN "*.bmp" PATTERN "tmppic*" EXCLUDE)
install(FILES man/showsaver.1 man/mkshow.1 man/fxrender.1 man/fxgallery.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# showsaver-demo: the installed (and, for the package, stripped) player with a trailer naming the
# installed demo.dat. The path is taken when installing, so that --prefix and the package's /usr
# count and $DESTDIR does not. The trailer is the layout `mkshow build` writes: the show's path
# in a zero-filled block of 1089 bytes. mkshow cannot write it here, as it wants the show to
# exist at the path it names, and under $DESTDIR it does not.
install(CODE "set(showsaver_bindir [[${CMAKE_INSTALL_BINDIR}]])
set(showsaver_demo [[${CMAKE_INSTALL_DATADIR}/showsaver/demo/demo.dat]])")
install(CODE [[
  set(bin "${CMAKE_INSTALL_PREFIX}/${showsaver_bindir}")
  set(player "$ENV{DESTDIR}${bin}/showsaver")
  set(copy "${player}-demo")
  set(show "${CMAKE_INSTALL_PREFIX}/${showsaver_demo}")
  string(LENGTH "${show}" length)
  if(length GREATER 1025)
    message(FATAL_ERROR "The demo show's path is too long for a player trailer: ${show}")
  endif()
  message(STATUS "Installing: ${copy}")
  file(COPY_FILE "${player}" "${copy}.part")
  file(SIZE "${copy}.part" size)
  math(EXPR size "${size} + 1089")
  file(APPEND "${copy}.part" "${show}")
  execute_process(COMMAND truncate --size=${size} "${copy}.part" COMMAND_ERROR_IS_FATAL ANY)
  file(CHMOD "${copy}.part" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  file(RENAME "${copy}.part" "${copy}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin}/showsaver-demo")
]])

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
