# The Debian package of the host programs: `cmake --build build --target package` (or cpack in
# build/) makes build/rv23_<version>_<arch>.deb from the install rules. It installs under /usr;
# the programs find the plug-in, style sheet and catalogues relative to their own folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rv23)
set(CPACK_PACKAGE_VENDOR "Tessaline")
set(CPACK_PACKAGE_CONTACT "RV-23 maintainers <rv23@tessaline.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RV-23 GSM communicator: configuration programs and device module")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "praxon (desktop window) and rv23ctl (command line) find RV-23 units on USB serial ports, read and\nwrite their configuration, show their live status and event log and upgrade their firmware,\nthrough the RV-23 device plug-in. Includes a udev rule that names the units' ports and keeps\nModemManager away from them.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The host library is in the package itself; dpkg-shlibdeps must not look for it elsewhere.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/host)
# Qt loads its database drivers as plug-ins, which dpkg-shlibdeps cannot see: the unit records
# need the SQLite one, a team's shared records the PostgreSQL one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt5sql5-sqlite)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS libqt5sql5-psql)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/praxon/linux/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
