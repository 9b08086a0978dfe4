# The Debian package: `cpack -G DEB` in an optimised build (scripts/package). The program folder
# holds private libraries, so dpkg-shlibdeps is told where they are and finds every other
# dependency itself; the phone daemon, Qt's platform plugins and the Wayland plugin are named
# here because nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vardel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(CPACK_PACKAGE_VENDOR Marvolen)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "make iPhone ringtones from a stretch of any audio or video file")
set(CPACK_PACKAGE_DESCRIPTION
    "Vardel shows the waveform of an audio or video file, lets you choose a clip
with handles or exact times, preview it with its fades and volume, and saves
it as an AAC ringtone (.m4r). It can copy the ringtone onto an iPhone attached
by USB and manage the ringtones on the phone.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.marvolen.com/vardel.html)
set(CPACK_PACKAGE_CONTACT "Marvolen <vardel@marvolen.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${VARDEL_BIN_DIR})
# Qt's window system plugins are only recommended by Qt itself, yet without them no window opens.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "usbmuxd, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

# The files Debian's policy asks of a package: the copyright in its machine-readable form, the
# changelog and the manual page, both compressed.
set(doc_dir share/doc/${CPACK_PACKAGE_NAME})
install(FILES copyright DESTINATION ${doc_dir})
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/changelog > ${changelog}
    DEPENDS changelog)
set(manual ${CMAKE_CURRENT_BINARY_DIR}/vardel.1.gz)
add_custom_command(OUTPUT ${manual}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/vardel.1 > ${manual}
    DEPENDS vardel.1)
add_custom_target(vardel_package_docs ALL DEPENDS ${changelog} ${manual})
install(FILES ${changelog} DESTINATION ${doc_dir})
install(FILES ${manual} DESTINATION share/man/man1)

include(CPack)
