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
# count and $DESTDIR does not: mkshow reads the staged show and names the final path (--as).
install(CODE "set(showsaver_mkshow [[$<TARGET_FILE:mkshow>]])
set(showsaver_bindir [[${CMAKE_INSTALL_BINDIR}]])
set(showsaver_demo [[${CMAKE_INSTALL_DATADIR}/showsaver/demo/demo.dat]])")
install(CODE [[
  set(bin "${CMAKE_INSTALL_PREFIX}/${showsaver_bindir}")
  set(show "${CMAKE_INSTALL_PREFIX}/${showsaver_demo}")
  message(STATUS "Installing: $ENV{DESTDIR}${bin}/showsaver-demo")
  execute_process(COMMAND "${showsaver_mkshow}" build "$ENV{DESTDIR}${show}"
                          "$ENV{DESTDIR}${bin}/showsaver-demo" --player "$ENV{DESTDIR}${bin}/showsaver"
                          --as "${show}"
                  COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bin}/showsaver-demo")
]])

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
