# The Debian package: `cpack -G DEB` in a built build folder makes showsaver_VERSION_ARCH.deb.
# Its files go under /usr; the shared libraries the binaries link name most dependencies, and
# Depends adds what is only read at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME showsaver)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "screen-saver player for shows of pictures, Flash movies, videos or web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "A show is a show-data file plus a copy of the player that names it: pictures that
replace each other through 171 animated transition effects, Flash movies, videos or
web pages, over background music, on every monitor. It plays full screen, in a
preview window, or as an XScreenSaver program. mkshow makes shows, fxrender and
fxgallery show the transition effects, and showsaver-demo plays a demo show.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "showsaver maintainers <maintainers@showsaver.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Installed under /usr, where the player looks for Ruffle too (src/players/flash/flash.cmake),
# whatever prefix the build was configured with. Staging through DESTDIR keeps the staging
# folder out of the paths the install rules write into files (showsaver-demo's trailer).
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The MIDI player loads the General MIDI sound font TimGM6mb.sf2.
set(CPACK_DEBIAN_PACKAGE_DEPENDS timgm6mb-soundfont)
include(CPack)
