# The Debian package: cpack -G DEB in a build configured with the package
# preset (README: "Install it as a Debian package").  It holds both programs,
# the word base, the manual, the menu entry with its icon, the AppStream
# metadata and the manual pages, all under /usr.
#
# Library dependencies are computed from the binaries (dpkg-shlibdeps, from
# dpkg-dev); three packages are named because nothing links them:
#   fonts-sil-andika   the font that draws the pronunciation marks
#   libqt6sql6-sqlite  the driver Qt Help reads the manual with
# and xdg-utils is recommended, which opens the web address in a browser.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "moxlet")
set(CPACK_PACKAGE_VENDOR "Quillory")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/StripComments.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lesson planner for structured phonics tutoring")
# The synopsis is the summary above; this is the long description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Moxlet prepares lessons for tutors who teach reading and spelling with
structured, multisensory phonics.  A profile for each student records the
word segments the student has studied: phonograms, syllable types,
consonant blends, spelling rules, prefixes, suffixes and Latin roots.
.
For each lesson Moxlet builds a plan with Auditory, Review, Spelling
Dictation and New sections and draws word lists that hold only words the
student can decode.  Plans and stand-alone word lists are printed or copied
as text.  moxlet-cli inspects a data folder and the word base.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MOXLET_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MOXLET_WEB_ADDRESS}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-sil-andika, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
