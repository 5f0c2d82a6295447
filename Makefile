# Numora – die Befehle für Neueinsteiger: make run und make test.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SEKUNDEN ?= 60

.PHONY: all run test bench fuzz pakete clean

all: run

pakete:
	@tools/pakete.sh basis

build/release/CMakeCache.txt: | pakete
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF

run: pakete build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS)
	@tools/starten.sh build/release/app/numora

test: pakete
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
		ctest --output-on-failure -j $(JOBS)

bench:
	@tools/pakete.sh basis bench
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNUMORA_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@set -e; for b in build/bench/bench/numora_bench_*; do echo "== $$b"; $$b; done
	@echo "== Start des Fensters"; bench/start.sh build/bench

clean:
	rm -rf build
