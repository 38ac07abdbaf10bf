# CMAKE generated file: DO NOT EDIT!
# Timestamp file for compiler generated dependencies management for fotomaz_bench_kit.
