# The Flash control (Ruffle's web build in a web view) and the web browser control.
find_package(Qt6 REQUIRED COMPONENTS WebEngineWidgets)
add_library(ss_webcontrols STATIC FlashControl.cpp FlashScheme.cpp WebBrowser.cpp)
target_include_directories(ss_webcontrols PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ss_webcontrols PUBLIC Qt6::WebEngineWidgets ss_swf)
qt_add_resources(ss_webcontrols flash_page PREFIX /flash BASE flash FILES flash/index.html
                 flash/player.js)
showsaver_warnings(ss_webcontrols)
target_link_libraries(ss_players PUBLIC ss_webcontrols)

# Ruffle's files, fetched by scripts/setup.sh, are copied into "ruffle" beside the executables.
set(SHOWSAVER_RUFFLE_SOURCE ${PROJECT_SOURCE_DIR}/build-deps/ruffle/node_modules/@ruffle-rs/ruffle)
set(SHOWSAVER_RUFFLE_FOLDER ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ruffle)
# Installed, they are in share/showsaver/ruffle: under the configured prefix, or under /usr
# when the Debian package installed them (see cmake/Packaging.cmake).
include(GNUInstallDirs)
target_compile_definitions(
  ss_webcontrols PRIVATE SHOWSAVER_RUFFLE_FOLDER="${SHOWSAVER_RUFFLE_FOLDER}"
  SHOWSAVER_RUFFLE_INSTALLED="${CMAKE_INSTALL_FULL_DATADIR}/showsaver/ruffle"
  SHOWSAVER_RUFFLE_PACKAGED="/usr/${CMAKE_INSTALL_DATADIR}/showsaver/ruffle")
file(GLOB ruffle_files CONFIGURE_DEPENDS ${SHOWSAVER_RUFFLE_SOURCE}/*.js
     ${SHOWSAVER_RUFFLE_SOURCE}/*.wasm
     ${SHOWSAVER_RUFFLE_SOURCE}/LICENSE_*)
if(NOT ruffle_files)
  message(WARNING "Ruffle's web build is missing from ${SHOWSAVER_RUFFLE_SOURCE}: "
                  "run scripts/setup.sh, or Flash shows cannot play")
endif()
set(ruffle_copies)
foreach(file IN LISTS ruffle_files)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${SHOWSAVER_RUFFLE_FOLDER}/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file}
                             ${SHOWSAVER_RUFFLE_FOLDER}/${name}
                     DEPENDS ${file})
  list(APPEND ruffle_copies ${SHOWSAVER_RUFFLE_FOLDER}/${name})
endforeach()
add_custom_target(ruffle_files DEPENDS ${ruffle_copies})
add_dependencies(ss_webcontrols ruffle_files)

# The show window's Flash and website players.
target_sources(ss_players PRIVATE PlayFlash.cpp PlayWebsite.cpp)
target_link_libraries(ss_players PUBLIC ss_host)
