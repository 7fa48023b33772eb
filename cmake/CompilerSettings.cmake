# SPDX-License-Identifier: GPL-3.0-or-later
# Settings every target of the project links: strict IEEE arithmetic, warnings
# (optionally as errors), and optionally the sanitizers.
add_library(cuneola_settings INTERFACE)
add_library(Cuneola::settings ALIAS cuneola_settings)

# The results must agree to the last digit on every compiler and processor: no
# fused multiply-add, no value-changing optimisation.
if(MSVC)
  target_compile_options(cuneola_settings INTERFACE /fp:precise /W4 /utf-8)
else()
  target_compile_options(cuneola_settings INTERFACE -ffp-contract=off -fno-fast-math -Wall -Wextra -Wpedantic)
endif()

# Only the project's sources: Qt, GoogleTest and Google Benchmark come in as imported
# targets, whose headers are system headers and raise no warnings.
if(CUNEOLA_WERROR)
  target_compile_options(cuneola_settings INTERFACE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
endif()

if(CUNEOLA_SANITIZE)
  set(_san -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(cuneola_settings INTERFACE ${_san})
  target_link_options(cuneola_settings INTERFACE ${_san})
endif()

# Fuzzing instruments every library for coverage; the targets add the fuzzer's main.
if(CUNEOLA_FUZZ)
  set(_fuzz -fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow -fno-sanitize-recover=all)
  target_compile_options(cuneola_settings INTERFACE ${_fuzz})
  target_link_options(cuneola_settings INTERFACE -fsanitize=address,undefined,float-cast-overflow)
endif()
