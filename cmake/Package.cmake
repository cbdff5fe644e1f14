# `cpack -G DEB` in a build folder (the release preset's: build-release/) makes the Debian package
# kordelan_VERSION_ARCH.deb of what cmake/Install.cmake installs, under /usr. Its dependencies are
# what dpkg-shlibdeps finds for the libraries the program links (Debian's Qt 6 runtime among them)
# and the fonts the program draws its texts in; Qt's Polish translation is recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kordelan)
set(CPACK_PACKAGE_CONTACT "Kordelan maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "design of FRP strengthening of reinforced-concrete members")
set(CPACK_PACKAGE_DESCRIPTION
    "Designs flexure, shear and column confinement of reinforced-concrete members strengthened \
with externally bonded fibre composites after fib Bulletin 14, reviews the strain states, \
dimensions laminates, checks the anchorage and prints a report. In Polish.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
