# A Debian package of the installation: `cpack -G DEB` in the build folder
# gives tavlo_<version>_<architecture>.deb for /usr. Its dependencies are
# read by dpkg-shlibdeps from the shared libraries the program links (Qt,
# libdds), never kept by hand. It has no maintainer scripts: removing it
# leaves every user's own files alone.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlo)
set(CPACK_PACKAGE_CONTACT "The Tavlo developers")
# The long description, in lines as Debian shows them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "You sit South and learn bidding: every lesson hand carries a scripted"
       "auction that the computer seats follow and that you reproduce, with"
       "alerts, explanations and a stop light. The card play is free: a"
       "card-play engine plays the other seats and gives hints. Hands are"
       "scored by duplicate scoring and can be replayed, bid again, saved and"
       "printed, and come from and go to other bridge programs as PBN files."
       "In six languages.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (the buttons of its dialogs) in the learner's language;
# without them those buttons stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
