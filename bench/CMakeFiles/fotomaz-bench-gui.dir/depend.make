# Empty dependencies file for fotomaz-bench-gui.
# This may be replaced when dependencies are built.
