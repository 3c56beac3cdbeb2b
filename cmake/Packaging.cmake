# Installation and the Debian package.
#
# The installed tree has the build tree's layout: bin/ beside share/tarvelle/.
# The programs find their resources at <dir of executable>/../share/tarvelle,
# so the directory names are fixed here rather than taken from GNUInstallDirs,
# and the tree can be copied anywhere as a whole. Debian's Qt lives in the
# system library paths, so no RPATH is needed.

# Date of the release named by the project version; change the two together.
set(TARVELLE_RELEASE_DATE "2026-12-10")

install(TARGETS tarvelle tarvelle-cli RUNTIME DESTINATION bin)

# The shipped tools are installed from the build tree, where
# scripts/bootstrap-tools.sh put them and where the tests ran against them.
# Bootstrapping at install time instead would fetch programs over the network
# while installing, possibly as root, and ship files no test has seen.
set(TARVELLE_STAGED_RESOURCES "${CMAKE_BINARY_DIR}/share/tarvelle")

# The keys that sign tool releases (yt-dlp's), for verified tool updates.
# They are part of the source, so they are staged with the build tree.
configure_file("${PROJECT_SOURCE_DIR}/resources/keys/yt-dlp-release-key.asc"
  "${TARVELLE_STAGED_RESOURCES}/keys/yt-dlp-release-key.asc" COPYONLY)

install(CODE "
  foreach(file manifest.json Tools/yt-dlp Tools/ffmpeg Tools/ffprobe Tools/deno keys/yt-dlp-release-key.asc)
    if(NOT EXISTS \"${TARVELLE_STAGED_RESOURCES}/\${file}\")
      message(FATAL_ERROR \"${TARVELLE_STAGED_RESOURCES}/\${file} is missing: \"
        \"run scripts/bootstrap-tools.sh ${CMAKE_BINARY_DIR} before installing.\")
    endif()
  endforeach()")
install(DIRECTORY "${TARVELLE_STAGED_RESOURCES}/" DESTINATION share/tarvelle USE_SOURCE_PERMISSIONS)

# Desktop integration, named after the application id.
set(desktop_sources "${PROJECT_SOURCE_DIR}/resources/desktop")
set(desktop_generated "${CMAKE_BINARY_DIR}/desktop")
configure_file("${desktop_sources}/tarvelle.desktop.in"
  "${desktop_generated}/${TARVELLE_APP_ID}.desktop" @ONLY)
configure_file("${desktop_sources}/tarvelle.metainfo.xml.in"
  "${desktop_generated}/${TARVELLE_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${desktop_generated}/${TARVELLE_APP_ID}.desktop" DESTINATION share/applications)
install(FILES "${desktop_generated}/${TARVELLE_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
# The desktop entry is DBusActivatable: launchers call the running window's
# org.freedesktop.Application, and the session bus starts the program when
# none runs. The bus needs the program's absolute path, known only when the
# tree is installed (a packaging prefix differs from the configured one), so
# the service file is written then. A tree moved after installing keeps a
# working Exec line in its desktop entry but not this file.
install(CODE "
  set(service_dir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/dbus-1/services\")
  file(MAKE_DIRECTORY \"\${service_dir}\")
  file(WRITE \"\${service_dir}/${TARVELLE_APP_ID}.service\"
    \"[D-BUS Service]\\nName=${TARVELLE_APP_ID}\\nExec=\${CMAKE_INSTALL_PREFIX}/bin/tarvelle\\n\")
  message(STATUS \"Installing: \${service_dir}/${TARVELLE_APP_ID}.service\")")
install(FILES "${desktop_sources}/tarvelle.svg"
  DESTINATION share/icons/hicolor/scalable/apps
  RENAME "${TARVELLE_APP_ID}.svg")

# The Debian package: `cpack -G DEB` in the build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvelle)
set(CPACK_PACKAGE_VENDOR Tarvelle)
set(CPACK_PACKAGE_CONTACT "Tarvelle developers <tarvelle@tarvelle.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Analyse and download online video and audio")
set(CPACK_PACKAGE_DESCRIPTION
  "Tarvelle is a desktop application that analyses links to online video and audio,\n\
previews them and downloads them with live progress, a queue, a history and\n\
notifications. It ships yt-dlp, ffmpeg, ffprobe and deno and runs them as\n\
separate processes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE "${TARVELLE_BUILD_NUMBER}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Strips the installed targets only: the shipped tools are installed as plain
# files and keep the bytes their manifest digests describe.
set(CPACK_STRIP_FILES ON)
# Threads for xz; the tools make the package about 100 MB before compression.
set(CPACK_THREADS 0)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# dpkg-shlibdeps (package dpkg-dev) finds the libraries the executables and
# the shipped tools link, with their versions. What it cannot see is named
# here:
#  - Qt loads its platform, SVG and SQLite plugins at run time;
#  - the shipped yt-dlp is a zipapp of the yt_dlp module: it runs on python3
#    (3.10 or later) and imports the modules Debian's yt-dlp package depends on;
#  - the shipped ffmpeg and ffprobe are Debian's builds and need the libav*
#    libraries and data of the ffmpeg package;
#  - Qt's own dialogs (the folder chooser, message box buttons) speak the
#    chosen language only with Qt's translations, which Debian ships apart;
#  - tool updates check yt-dlp's release signature with gpgv.
set(tarvelle_runtime_packages
  libqt6sql6-sqlite libqt6svg6 qt6-qpa-plugins qt6-translations-l10n "python3 (>= 3.10)" python3-certifi python3-mutagen
  python3-pycryptodome python3-requests python3-urllib3 python3-websockets ffmpeg gpgv)
find_program(DPKG_SHLIBDEPS_PROGRAM dpkg-shlibdeps)
if(DPKG_SHLIBDEPS_PROGRAM)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  list(APPEND tarvelle_runtime_packages
    libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6dbus6 libqt6sql6 libqt6concurrent6 libssl3
    libarchive13)
endif()
list(JOIN tarvelle_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# CJK text in the window, and the window on Wayland and its dark preference.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-wayland, xdg-desktop-portal")

include(CPack)
