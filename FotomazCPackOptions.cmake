set(FOTOMAZ_DEBIAN_CHANGELOG "/work/main/data/debian/changelog.in")
set(FOTOMAZ_DOC_DIR "share/doc/tamrel-fotomaz")
set(FOTOMAZ_RELEASE_DATE "2026-12-08")
set(FOTOMAZ_VERSION "1.2")
