# Empty compiler generated dependencies file for fotomaz_run.
# This may be replaced when dependencies are built.
