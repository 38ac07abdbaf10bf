# Empty compiler generated dependencies file for fotomaz_testkit.
# This may be replaced when dependencies are built.
