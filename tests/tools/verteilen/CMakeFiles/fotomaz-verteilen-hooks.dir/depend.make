# Empty dependencies file for fotomaz-verteilen-hooks.
# This may be replaced when dependencies are built.
