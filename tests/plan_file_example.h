#pragma once

// The example of the plan file's description, as it is printed there. It stands in a header of
// its own: moc reads a raw string's quotes and apostrophes as code.
inline const char* const kExampleFile = R"json({
  "format": "gypsomix-plan",
  "version": 1,
  "material": {
    "name": "Plâtre à bijoux universel",
    "values": ["38", "3", "10", "8", "1.72", "0.48", "0.55"]
  },
  "water_percent": "38",
  "margin": 0,
  "special_liquid_percent": null,
  "lines": [
    { "flask": null, "diameter": "2 1/2", "height": "3", "unit": "in",
      "count": 3, "tree_cm3": "12", "pattern_g": "9.6" },
    { "flask": { "name": "Ø 76,2 × 101,6 mm (3 × 4 po)", "values": ["76.2", "101.6"] },
      "diameter": "76.2", "height": "101.6", "unit": "mm",
      "count": 2, "tree_cm3": "", "pattern_g": "" }
  ],
  "metal": {
    "name": "Argent 925", "density": "10.36",
    "pattern_density": "1", "extra_percent": "10", "button_g": "0"
  },
  "prices": { "powder_per_kg": "", "metal_per_g": "" },
  "burnout": {
    "programme": { "name": "Plâtre, cylindres jusqu'à Ø 89 × 102",
                   "steps": [ { "target": "149", "rate": "0", "hold": "120" } ] },
    "start_temperature": "20",
    "bench_rest_min": "60",
    "cast_at": "2026-12-07T16:00:00+01:00",
    "oven_started_at": null
  },
  "notes": ""
}
)json";
