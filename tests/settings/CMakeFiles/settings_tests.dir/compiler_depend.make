# Empty compiler generated dependencies file for settings_tests.
# This may be replaced when dependencies are built.
