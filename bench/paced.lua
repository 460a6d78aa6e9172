-- wrk pacing: each connection waits a random time before each request,
-- exponentially distributed with a mean of KBC_DELAY_MS milliseconds, so that
-- N connections send about N * 1000 / KBC_DELAY_MS requests a second as
-- independent arrivals (a fixed wait would march the connections in step and
-- measure bursts of N at once). wrk's latencies leave the wait out.
local mean_ms = tonumber(os.getenv("KBC_DELAY_MS") or "0")
function init(args)
  math.randomseed(os.time() + tonumber(tostring({}):match("0x(%x+)") or "0", 16) % 100000)
end
function delay()
  return math.floor(-math.log(1 - math.random()) * mean_ms + 0.5)
end
