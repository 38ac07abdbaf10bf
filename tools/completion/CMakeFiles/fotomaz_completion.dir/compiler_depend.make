# Empty custom commands generated dependencies file for fotomaz_completion.
# This may be replaced when dependencies are built.
