# Empty dependencies file for platform_tests.
# This may be replaced when dependencies are built.
