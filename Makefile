# SPDX-License-Identifier: GPL-3.0-or-later
# Numora – die Befehle für Neueinsteiger: make run und make test.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SEKUNDEN ?= 60

.PHONY: all run test bench fuzz pakete deb paket-test uninstall clean

all: run

pakete:
	@tools/pakete.sh basis

build/release/CMakeCache.txt: | pakete
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF

run: pakete build/release/CMakeCache.txt
	cmake --build build/release -j $(JOBS)
	@tools/starten.sh build/release/app/numora

# Der Pakettest (tools/paket_test.sh) baut dazu build/deb; NUMORA_PAKETTEST=0 lässt ihn aus.
test: pakete
	@$(if $(filter 0,$(NUMORA_PAKETTEST)),true,tools/pakete.sh basis paket pakettest)
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DNUMORA_SANITIZE=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
		ctest --output-on-failure -j $(JOBS)

# Das Debian-Paket aus einem eigenen Release-Bau mit Präfix /usr:
# build/deb/numora_VERSION_ARCH.deb. Dazu die Härtung, mit der Debian jedes Paket baut
# (Stapelschutz, FORTIFY, BIND_NOW); als Cache-Werte, damit sie auch ein alter Bauordner bekommt.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
deb: pakete
	@tools/pakete.sh basis paket
	cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
		-DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
		-DCMAKE_SHARED_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build build/deb -j $(JOBS)
	cd build/deb && cpack -G DEB

# Baut das Paket, installiert es, startet es und entfernt es wieder.
paket-test:
	@tools/pakete.sh basis paket pakettest
	tools/paket_test.sh

# Entfernt, was "cmake --install build/release" abgelegt hat (Liste in install_manifest.txt),
# dann die Ordner, die erst diese Installation angelegt hat, wenn sie leer sind
# (install_ordner.txt, siehe cmake/installordner.cmake). Ein anderer Bauordner: BAU=build/…
BAU ?= build/release
uninstall:
	@liste="$(BAU)/install_manifest.txt"; ordner="$(BAU)/install_ordner.txt"; \
	if [ ! -f "$$liste" ]; then echo "Keine Installation gefunden: $$liste fehlt."; exit 1; fi; \
	fehler=0; \
	xargs -r -d '\n' -a "$$liste" rm -fv || fehler=1; \
	sed 's|/[^/]*$$||' "$$liste" | sort -u | grep '/numora$$' | \
		xargs -r -d '\n' rmdir --ignore-fail-on-non-empty || fehler=1; \
	if [ -f "$$ordner" ]; then \
		while IFS= read -r d; do \
			if [ -d "$$d" ]; then rmdir --ignore-fail-on-non-empty "$$d" || fehler=1; fi; \
		done <"$$ordner"; \
	fi; \
	exit $$fehler

bench:
	@tools/pakete.sh basis bench
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DNUMORA_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@set -e; for b in build/bench/bench/numora_bench_*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; $$b; done
	@echo "== Start des Fensters"; bench/start.sh build/bench

# Jedes Ziel läuft FUZZ_SEKUNDEN lang auf einer Arbeitskopie seines Korpus unter build/fuzz,
# damit neue Eingaben das Repository nicht füllen. Jeder Fund lässt make scheitern.
fuzz:
	@tools/pakete.sh basis fuzz
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DNUMORA_FUZZ=ON -DNUMORA_APP=OFF -DBUILD_TESTING=OFF
	cmake --build build/fuzz -j $(JOBS) --target numora_fuzz
	@fehler=""; \
	for ziel in antwort bruchparser name halle; do \
		korpus=build/fuzz/korpus/$$ziel; funde=build/fuzz/funde/$$ziel; \
		protokoll=build/fuzz/$$ziel.log; \
		mkdir -p $$korpus $$funde; cp -r fuzz/korpus/$$ziel/. $$korpus/; \
		echo "== $$ziel: $(FUZZ_SEKUNDEN) s, Protokoll in $$protokoll"; \
		if build/fuzz/fuzz/fuzz_$$ziel $$korpus -max_total_time=$(FUZZ_SEKUNDEN) \
			-max_len=65536 -timeout=10 -print_final_stats=1 \
			-artifact_prefix=$$funde/ >$$protokoll 2>&1; then \
			grep -E "DONE|number_of_executed_units" $$protokoll; \
		else \
			tail -n 60 $$protokoll; fehler="$$fehler $$ziel"; \
		fi; \
	done; \
	if [ -n "$$fehler" ]; then echo "Funde in:$$fehler (Eingaben in build/fuzz/funde/)"; exit 1; fi

clean:
	rm -rf build
