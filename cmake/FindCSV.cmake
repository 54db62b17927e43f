# Finds libcsv (the CSV parser of the batch program) and provides CSV::CSV.
#   CSV_FOUND, CSV_INCLUDE_DIR, CSV_LIBRARY
find_path(CSV_INCLUDE_DIR csv.h)
find_library(CSV_LIBRARY csv)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(CSV
  REQUIRED_VARS CSV_LIBRARY CSV_INCLUDE_DIR
  REASON_FAILURE_MESSAGE
    "libcsv (csv.h and the csv library) is needed by the batch program nodra-l-stapel. On Debian: apt-get install libcsv-dev (scripts/setup.sh installs it), elsewhere set CSV_INCLUDE_DIR and CSV_LIBRARY.")
mark_as_advanced(CSV_INCLUDE_DIR CSV_LIBRARY)

if(CSV_FOUND AND NOT TARGET CSV::CSV)
  add_library(CSV::CSV UNKNOWN IMPORTED)
  set_target_properties(CSV::CSV PROPERTIES
    IMPORTED_LOCATION "${CSV_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${CSV_INCLUDE_DIR}")
endif()
