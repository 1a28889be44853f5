#!/usr/bin/python3
"""Writes time_scales.tsv: UTC instants and their MJD in TDB and TT, from
astropy (Debian's python3-astropy, offline: its own leap-second table).

Run once: /usr/bin/python3 tests/data/make_time_scales.py > tests/data/time_scales.tsv
"""
from astropy.time import Time
from astropy.utils import iers

iers.conf.auto_download = False

# UTC instants, whole seconds but the leap-second one.
INSTANTS = [
    "1960-01-01T00:00:00",
    "1965-03-01T12:00:00",
    "1972-01-01T00:00:00",
    "1985-07-01T00:00:00",
    "1999-12-31T23:59:59",
    "2004-01-01T18:00:00",
    "2016-12-31T23:59:59",
    "2016-12-31T23:59:60.5",
    "2017-01-01T00:00:00",
    "2026-12-09T12:00:00",
    "2050-06-15T06:30:15",
]

print("# utc\tmjd_tdb\tmjd_tt\ttt_minus_utc_s\ttdb_minus_tt_s")
for text in INSTANTS:
    t = Time(text, scale="utc", format="isot")
    tdb = t.tdb
    tt = t.tt
    mjd_tdb = tdb.jd1 - 2400000.5 + tdb.jd2
    mjd_tt = tt.jd1 - 2400000.5 + tt.jd2
    tt_minus_utc = ((tt.jd1 - t.jd1) + (tt.jd2 - t.jd2)) * 86400
    tdb_minus_tt = ((tdb.jd1 - tt.jd1) + (tdb.jd2 - tt.jd2)) * 86400
    print(f"{text}\t{mjd_tdb!r}\t{mjd_tt!r}\t{tt_minus_utc:.6f}\t{tdb_minus_tt:.7f}")
