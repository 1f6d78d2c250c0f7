# The Debian package (cpack -G DEB): both programs with everything the
# desktop needs, installed under /usr. The library dependencies are read from
# the programs themselves (dpkg-shlibdeps); the menu, MIME and icon caches are
# refreshed by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VENDOR Marlpit)
set(CPACK_PACKAGE_CONTACT "Quillet developers <quillet@quillet.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slice drum and rhythm loops at their attacks")
set(CPACK_PACKAGE_DESCRIPTION
  "Quillet cuts a recorded drum or rhythm loop into slices at its attacks, so that the loop can be played at another tempo without a change of pitch, or be handed slice by slice to a sampler or to another program. It saves the sliced loop as its own document, an SLX slice file, a groove MIDI file or numbered slice sound files.\n\nThe package holds the window program quillet and the batch tool quillet-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillet.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help > Contents and the web pages open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
