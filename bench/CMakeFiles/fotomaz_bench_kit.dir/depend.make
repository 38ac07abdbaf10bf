# Empty dependencies file for fotomaz_bench_kit.
# This may be replaced when dependencies are built.
