# Empty dependencies file for run_tests.
# This may be replaced when dependencies are built.
