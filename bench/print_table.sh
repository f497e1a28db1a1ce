#!/usr/bin/env bash
# Prints the benchmark table from the collected "BENCH <key> <value> <unit>" lines. A figure no
# program printed shows as "not measured".
# usage: print_table.sh RESULTS
set -uo pipefail
awk '
  FNR == NR { v[$2] = $3; u[$2] = $4; next }
  function val(k) { return (k in v) ? v[k] " " u[k] : "not measured" }
  function row(figure, value, target, comparison) {
    printf "| %s | %s | %s | %s |\n", figure, value, target, comparison
  }
  END {
    print "| figure | value | target | comparison, same run |"
    print "|---|---|---|---|"
    row("pixel sweep 1920x1080, headless, no pacing",
        val("sweep_headless_1920x1080_ns_per_pixel") " per pixel", "<= 10 ns",
        val("sweep_headless_1920x1080_ms_per_sweep") " per sweep")
    row("pixel sweep 1920x1080, Qt (Xvfb), no pacing: per pass",
        val("sweep_qt_ms_per_pass") " (p99 " val("sweep_qt_ms_per_pass_p99") ")", "<= 0.1 ms",
        "event pass alone " val("sweep_qt_event_pass_ms") "; whole sweep " \
        val("sweep_qt_ms_per_sweep"))
    row("pixel sweep, Qt: passes presented", val("sweep_qt_paints") " paints", "every pass",
        val("sweep_qt_passes_with_pixels") " passes put pixels on screen, of " \
        val("sweep_qt_passes") " passes")
    row("cycle step, pb.dat of 10 lines", val("cycle_step_10_lines"), "linear", "")
    row("cycle step, pb.dat of 10,000 lines", val("cycle_step_10000_lines"), "linear", "")
    row("cycle step, pb.dat of 100,000 lines", val("cycle_step_100000_lines"), "<= 20 ms", "")
    row("picture load 24 MP: QtPictureLoader vs djpeg", val("load_mp24_loader_ms"), "ratio <= 1.15",
        "djpeg " val("load_mp24_djpeg_ms") "; ratio " val("load_mp24_ratio"))
    row("peak memory, 2 MP (1600 x 1200), real player on Xvfb: slide-in + sweep + next step",
        val("memory_player_mp2_peak_rss"), "<= 30 MB",
        "third picture decoded after " val("memory_player_mp2_seconds"))
    row("peak memory, 24 MP, real player on Xvfb: slide-in + sweep + next step",
        val("memory_player_mp24_peak_rss"), "<= 110 MB",
        "third picture decoded after " val("memory_player_mp24_seconds") "; headless Form1 " \
        "(no painter) " val("memory_mp24_peak_rss") ", before load " \
        val("memory_mp24_before_load"))
    row("peak memory, 100 MP, real player on Xvfb: slide-in + sweep + next step",
        val("memory_player_mp100_peak_rss"), "<= 450 MB",
        "third picture decoded after " val("memory_player_mp100_seconds") "; headless Form1 " \
        "(no painter) " val("memory_mp100_peak_rss"))
    row("hover step on a 139 x 28 button",
        val("hover_ms_per_move") " (p99 " val("hover_ms_per_move_p99") ")", "<= 1 ms", "")
    row("build of 200 pictures (1 GB) + music vs cp", val("build_200_pictures_ms"), "ratio <= 1.1",
        "cp " val("build_cp_same_files_ms") "; ratio " val("build_vs_cp_ratio") \
        "; cp then sync " val("build_cp_then_sync_ms") "; ratio " \
        val("build_vs_cp_then_sync_ratio"))
    row("both single files of a 200 MB show vs cp of 400 MB, then sync",
        val("single_files_200mb_ms"), "ratio <= 1.5",
        "cp " val("single_files_cp_400mb_then_sync_ms") "; ratio " \
        val("single_files_vs_cp_ratio"))
    row("what a single file adds to the media: Windows, Linux",
        val("single_file_overhead_windows") ", " val("single_file_overhead_linux"), "<= 6 MB", "")
    row("processor use, 14 photos of 1600 x 1200, real player on Xvfb 1920 x 1080",
        val("cpu_average_percent") " average", "<= 5 %", "quietest 1.5 s (a hold): " val("cpu_quietest_1.5s_percent") " (<= 1 %)")
    row("start to caption on screen, cold, vs feh", val("start_player_ms"),
        "<= 300 ms; ratio <= 0.8", "feh " val("start_feh_ms") "; ratio " \
        val("start_vs_feh_ratio") "; warm: " val("start_player_warm_ms") " against feh " \
        val("start_feh_warm_ms"))
    row("slide-in: interval between paints", "median " val("slide_paint_interval_median") \
        ", p99 " val("slide_paint_interval_p99"), "median ~16.7 ms, p99 <= 25 ms",
        val("slide_paints") " intervals")
    print ""
    printf "| megapixels | load, QtPictureLoader | load, djpeg | ratio |"
    print " sweep, headless | ns per pixel |"
    print "|---|---|---|---|---|---|"
    n = split("1 6 24 100", mp, " ")
    for (i = 1; i <= n; i++) {
      k = "mp" mp[i]
      printf "| %s | %s | %s | %s | %s | %s |\n",
          mp[i], val("load_" k "_loader_ms"), val("load_" k "_djpeg_ms"), val("load_" k "_ratio"),
          val("sweep_headless_" mp[i] "mp_ms_per_sweep"),
          val("sweep_headless_" mp[i] "mp_ns_per_pixel")
    }
    printf "\n100 MP shown headless: loaded into Form1, swept and loaded again: width %s, peak %s,",
        val("memory_mp100_picture_width"), val("memory_mp100_peak_rss")
    printf " sweep + next step %s\n", val("memory_mp100_sweep_and_next_step_ms")
    printf "On the 32-bit Windows build (Wine), the same: width %s, peak private memory %s of the",
        val("memory_win32_mp100_picture_width"), val("memory_win32_mp100_peak_rss")
    printf " 2048 MB a 32-bit program may use, sweep + next step %s\n",
        val("memory_win32_mp100_sweep_and_next_step_ms")
  }' "$1" /dev/null
