# Empty compiler generated dependencies file for fotomaz-verteilen.
# This may be replaced when dependencies are built.
