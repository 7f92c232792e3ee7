# The Debian package (make package: build/horavine_<version>_<arch>.deb), made by CPack from the
# install rules with the prefix /usr, and the two documents every Debian package carries.

# share/doc/horavine: the machine-readable copyright of every shipped file, and the changelog
# compressed the way Debian's policy asks (gzip -9n: no name, no time stamp).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(horavine_changelog_gz ${CMAKE_BINARY_DIR}/dist/changelog.gz)
add_custom_command(OUTPUT ${horavine_changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/dist/changelog ${CMAKE_BINARY_DIR}/dist/changelog
    COMMAND ${GZIP_PROGRAM} -9nf ${CMAKE_BINARY_DIR}/dist/changelog
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/changelog
    COMMENT "Compressing the changelog")
add_custom_target(horavine_changelog ALL DEPENDS ${horavine_changelog_gz})
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${horavine_changelog_gz} DESTINATION share/doc/horavine)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horavine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# No Debian revision: the package is made by the project itself (a native package), so its file is
# horavine_<version>_<arch>.deb and its changelog is changelog.gz.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Horavine developers <developers@horavine.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://horavine.org/")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable desktop clock with alarms and a timer")
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Horavine shows a clock face in a borderless window on your desktop:
circular, square or rounded, optionally translucent and kept above other
windows. It has no numerals and no ordinary hands: an hours disc and a
minutes ring of colour turn with the time, a marker runs round the band of
tics once a minute, and a digital read-out can show the time as text.
.
Every part of the look is a skin. The clock comes with eighteen skins in
two galleries, and its options window changes a skin while you watch and
saves your own.
.
Alarms ring once, daily, weekly or monthly and show a picture or a message,
play a sound or open a document. A timer mode turns the face into a
stopwatch. The command-line tool horavine-cli inspects and makes skins,
lists alarms and draws faces as pictures.")

# The libraries the programs and the sound plugin link come from dpkg-shlibdeps. What they load by
# name at run time it cannot see: Qt's xcb platform plugin and its JPEG and GIF image plugins
# (libqt6gui6), Qt Multimedia's GStreamer backend (libqt6multimedia6), and the GStreamer elements
# that backend plays the shipped WAV chime and the users' OGG, FLAC and MP3 sounds with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6gui6 (>= 6.4), libqt6multimedia6 (>= 6.4), gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Sound needs a sound server; an alarm's document opens through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils")

include(CPack)
