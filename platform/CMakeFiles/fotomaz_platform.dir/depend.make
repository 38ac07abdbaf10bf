# Empty dependencies file for fotomaz_platform.
# This may be replaced when dependencies are built.
