# Empty custom commands generated dependencies file for fotomaz_test_locales.
# This may be replaced when dependencies are built.
