# benchmarks of the page reader and writer
