# The per-handler table from spoolcat_timed.exe's handler_times.txt
# ("BUCKET KIND COUNT WALL_NS CPU_NS", bucket k = from disc k's arrival to
# disc k+1's). For the first and the last tenth of a job of `discs` discs (at
# least ten discs each): each kind's calls a disc, and its wall and CPU time a
# disc (ms). CPU time comes in 10 ms ticks: the wider window evens them out.
BEGIN { w = int(discs / 10) < 10 ? 10 : int(discs / 10) }
{
  first = $1 >= 1 && $1 <= w
  last = $1 >= discs - w + 1 && $1 <= discs
  kinds[$2] = 1
  if (first) { fc[$2] += $3; fw[$2] += $4; fu[$2] += $5 }
  if (last) { lc[$2] += $3; lw[$2] += $4; lu[$2] += $5 }
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
  printf "| Handler | calls a disc | wall ms a disc, 1-%d | wall, %d-%d | CPU ms a disc, 1-%d | CPU, %d-%d |\n", w, discs - w + 1, discs, w, discs - w + 1, discs
  print "|---|---|---|---|---|---|"
  for (k in kinds) {
    if (fc[k] + lc[k] == 0) continue
    printf "| %s | %.1f | %.3f | %.3f | %.2f | %.2f |\n", name(k), (fc[k] + lc[k]) / (2 * w),
      fw[k] / w / 1e6, lw[k] / w / 1e6, fu[k] / w / 1e6, lu[k] / w / 1e6 | "sort"
    twf += fw[k]; twl += lw[k]; tuf += fu[k]; tul += lu[k]
  }
  close("sort")
  printf "| all | | %.3f | %.3f | %.2f | %.2f |\n", twf / w / 1e6, twl / w / 1e6, tuf / w / 1e6, tul / w / 1e6
}
