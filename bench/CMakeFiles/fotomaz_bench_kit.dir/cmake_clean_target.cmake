file(REMOVE_RECURSE
  "libfotomaz_bench_kit.a"
)
