# `cpack -G DEB` in a build folder packages what `cmake --install` installs, under /usr.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR Lumenwerk)
set(CPACK_PACKAGE_CONTACT "Lumenwerk <quillmark@lumenwerk.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design, edit, print and export seals")
# Wrapped as the package's long description is shown.
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark designs, edits, prints and exports seals: round and oval official
seals with ring texts, serial code and a centre star or emblem; rectangular,
triangular and rhombic seals; small square and oblong personal name seals; and
free drawing elements beside them. Every seal is exact to the tenth of a
millimetre on screen, on paper and in exported pictures.
.
The command-line tool quillmark-cli renders, dumps and builds seal documents
without a window.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# Debian ships programs without their debugging symbols.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME quillmark)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link are found by dpkg-shlibdeps, the companions in their private
# folder (dpkg-shlibdeps runs in the staging folder, hence the path relative to it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/${QUILLMARK_INSTALL_PRIVATE_LIBDIR})
# What no linked library names: Chinese faces for the seal texts and menus, Qt's own Chinese
# texts and the platform plugins the window opens with. The SVG icon engine the menus and the
# palette load their pictures through comes with the SVG library, which is linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-arphic-uming, fonts-arphic-ukai, fonts-wqy-zenhei, qt6-translations-l10n, qt6-qpa-plugins")
# Whose triggers refresh the file types, the launchers and the icons after an install.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

include(CPack)
