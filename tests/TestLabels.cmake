# Included by CTest after the test programs listed their tests (as
# LongTests.cmake), to label them by name:
#
#   real-tools  runs the shipped yt-dlp, ffmpeg or ffprobe (against the local
#               server); `ctest -L real-tools` runs them, `-LE` leaves them out.
#   tool-bound  a real-tools test whose time goes to the tools and the server
#               (uninstrumented python and ffmpeg), not to our code, which
#               other suites drive under the sanitizers: the sanitizer pass
#               leaves it to the plain one. The fault suites, hostile output
#               and the tests of the application's own processes stay there.
#
# A pattern is a regular expression over CTest's test names.
set(tarvelle_tool_bound_tests
  "^YTDLPClientRealToolTest\\."
  "^CliDownload\\."
  "^CliList\\."
  "^DownloadEndToEnd\\."
  "^DownloadOptionsEndToEnd\\."
  "(^|/)ExtractOnce\\."
  "^DownloadCommandEndToEnd\\."
  "^DownloadsViewEndToEnd\\."
  "^ListPreviewCardEndToEnd\\."
  "^MoreOptionsDownload\\."
  "^YtDlpOptions\\.TableMatchesTheShippedYtDlp$"
  "^YtDlpOptions\\.TableMatchesACurrentYtDlp$"
)
set(tarvelle_real_tool_tests
  ${tarvelle_tool_bound_tests}
  "^FaultInjection\\."
  "^ApplicationKilled\\."
  "^QueueSurvivesKill\\."
  "^FileOwnership\\."
  "^HostileOutput\\."
  "^CliBesideWindow\\."
  "^CliAnalyze\\."
  "^CliAdvancedFlags\\.ADownloadWithFlags$"
  "^CliDiagnostics\\."
  "^AccessibilityBus\\."
  "^JobRowAccessibilityTest\\."
  "^ListPreviewCardWindow\\."
  "^ListPreviewCard\\.OnlyRowsInSightLoadTheirThumbnails$"
  "^DownloadsViewTest\\.AnalyzeFillsTheCardAndDownloadQueuesItsChoices$"
  "^EngineDiagnostics\\.ShippedToolsAreAllPresentAndVerified$"
  "^ToolUpdater\\.ADownloadKeepsItsCopyWhileAnUpdateLandsAndTheNextOneUsesTheNewCopy$"
)

# Every discovered test, from the lists the test programs' discovery leaves.
set(tarvelle_discovered_tests)
foreach(program analysis batch cli desktop diagnostics downloads engine faults history process services settings
                tools ui updates)
  list(APPEND tarvelle_discovered_tests ${tests_${program}_TESTS})
endforeach()

foreach(name IN LISTS tarvelle_discovered_tests)
  set(labels)
  foreach(pattern IN LISTS tarvelle_real_tool_tests)
    if(name MATCHES "${pattern}")
      list(APPEND labels real-tools)
      break()
    endif()
  endforeach()
  foreach(pattern IN LISTS tarvelle_tool_bound_tests)
    if(name MATCHES "${pattern}")
      list(APPEND labels tool-bound)
      break()
    endif()
  endforeach()
  if(labels)
    set_tests_properties("${name}" PROPERTIES LABELS "${labels}")
  endif()
endforeach()
