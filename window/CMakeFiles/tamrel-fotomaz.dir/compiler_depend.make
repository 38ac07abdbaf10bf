# Empty compiler generated dependencies file for tamrel-fotomaz.
# This may be replaced when dependencies are built.
