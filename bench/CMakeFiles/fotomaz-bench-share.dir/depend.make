# Empty dependencies file for fotomaz-bench-share.
# This may be replaced when dependencies are built.
