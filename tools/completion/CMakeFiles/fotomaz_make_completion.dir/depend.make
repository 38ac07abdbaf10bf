# Empty dependencies file for fotomaz_make_completion.
# This may be replaced when dependencies are built.
