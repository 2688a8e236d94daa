# The Debian package: `cpack -G DEB` in a build folder. Both programs, their man pages, the
# desktop entry, the MIME package, the icons and the guide, installed under /usr.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "quorvane")
set(CPACK_PACKAGE_VENDOR "Quorvane")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quorvane developers <quorvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a file into a password-guarded crypt and back")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane turns a file into a crypt (extension .CRP): a short header, then the file's\n\
bytes through one of four block transforms, and turns a crypt back into its file.\n\
It has a Qt window (quorvane) and a console program (quorvane-cli).\n\
The transforms are keyless: they hide a file from casual eyes and do not\n\
protect it against anyone who knows the format.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/quorvane")
# The libraries the programs link come from dpkg-shlibdeps (dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The file type and the icons reach the desktop through these; the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")

include(CPack)
