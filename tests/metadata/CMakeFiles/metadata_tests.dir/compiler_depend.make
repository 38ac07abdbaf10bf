# Empty compiler generated dependencies file for metadata_tests.
# This may be replaced when dependencies are built.
