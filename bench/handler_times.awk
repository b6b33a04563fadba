# The per-handler table from spoolcat_timed.exe's handler_times.txt
# ("BUCKET KIND COUNT NS", bucket k = from disc k's arrival to disc k+1's).
# For discs 1-10 and the last ten of a job of `discs` discs: each kind's calls
# a disc, mean time a call (µs) and time a disc (ms).
{
  first = $1 >= 1 && $1 <= 10
  last = $1 >= discs - 9 && $1 <= discs
  kinds[$2] = 1
  if (first) { fc[$2] += $3; fn[$2] += $4 }
  if (last) { lc[$2] += $3; ln[$2] += $4 }
}
# Timer ids follow the order in which the program first starts its timers.
function name(k) {
  if (k == "timer1") return "timer1 (status line, 1 s)"
  if (k == "timer2") return "timer2 (notice hop, 10 ms)"
  if (k == "timer3") return "timer3 (report poll, 100 ms)"
  if (k == "timer4") return "timer4 (unload hop, 20 ms)"
  return k
}
END {
  printf "| Handler | calls a disc | µs a call, 1-10 | µs a call, %d-%d | ms a disc, 1-10 | ms a disc, %d-%d |\n", discs - 9, discs, discs - 9, discs
  print "|---|---|---|---|---|---|"
  for (k in kinds) {
    if (fc[k] + lc[k] == 0) continue
    printf "| %s | %.1f | %.0f | %.0f | %.3f | %.3f |\n", name(k), (fc[k] + lc[k]) / 20,
      fc[k] ? fn[k] / fc[k] / 1000 : 0, lc[k] ? ln[k] / lc[k] / 1000 : 0, fn[k] / 1e7, ln[k] / 1e7 | "sort"
    tf += fn[k]
    tl += ln[k]
  }
  close("sort")
  printf "| all | | | | %.3f | %.3f |\n", tf / 1e7, tl / 1e7
}
