# Empty compiler generated dependencies file for fotomaz-bench.
# This may be replaced when dependencies are built.
