# Included by CTest after the test programs listed their tests; a name that no
# longer exists is ignored.
#
# A tree that has not run the suite yet gives CTest no durations, and it would
# start the longest tests whenever their turn came, leaving one to run alone at
# the end: these costs (seconds on two cores) make them start first. After a
# run CTest uses what it measured instead. Every test that takes over 5 s is
# here: scripts/check-test-costs.sh fails the suite otherwise.
set(tarvelle_test_costs
  Soak.AThousandJobsLeaveOneRecordEachAndNothingBehind 53
  FileOwnership.JobsOfOneClipUnderDifferentLinksEachGetAnIntactFileOfTheirOwn 45
  CliDownload.RunsIntoOneFolderAtOnceEachWriteFilesOfTheirOwn 12
  FileOwnership.ARestoredJobResumesItsOwnPartialFile 9
  FileOwnership.CancelThenRetryGoesOnFromThePartialFileUnderTheSameName 6
  CliList.AnalyzeOfAVideoInsideAListDescribesTheVideoAndNamesTheList 10
  ListPreviewCardWindow.AVideoInsideAListShowsItsCardAndTheListOnRequest 5
  FaultInjection.OutputFolderOnAReadOnlyFileSystem 20
  CliDownload.BatchReportsItsProblemsAndQueuesTheRest 19
  DownloadEndToEnd.WithALimitOfOneTheSecondLinkWaits 19
  CliDownload.SignalCancelsCleanly 15
  ApplicationKilled.HistoryAndSettingsSurviveAndNoToolRunsOn 14
  CliDownload.ProgressLinesShowTitlesAsPlainText 14
  DownloadsViewTest.AnalyzeFillsTheCardAndDownloadQueuesItsChoices 13
  DownloadEndToEnd.HlsStreamShowsFragments 12
  CliDownload.RunsAtTheSameTimeShareTheHistory 11
  CliDownload.OnATerminalLinesAreRedrawn 10
  EngineDiagnostics.AToolThatHangsIsCutOffWithAnEmptyVersion 10
  DownloadEndToEnd.AudioIsConvertedToMp3 10
  DownloadEndToEnd.VideoAtAHeightBoundArrivesAsMp4WithProgress 10
  CliDownload.AClosedOutputDoesNotStopTheRun 10
  DownloadEndToEnd.CancelInTheMiddleLeavesNoProcess 10
  FaultInjection.ServerClosesTheConnectionMidBody 9
  DownloadEndToEnd.MissingMediaFailsAsNetworkErrorAndRetrySucceedsOnceItExists 9
  DownloadCommandEndToEnd.EachKindOfJobGivesItsFile 9
  FaultInjection.OutputFolderOnAFullFileSystem 9
  CliDownload.AFailedJobExitsWithOne 8
  FaultInjection.ToolKilledWithSigkill 8
  CliDiagnostics.PrintsTheReportText 7
  CliDownload.UsesTheStoredDefaults 6
  CliDownload.CompletesIntoTheOutputFolderWithoutTouchingTheSettings 6
  YTDLPClientRealToolTest.FailuresAreClassified 5
  FaultInjection.ServerStopsSendingAndTheJobIsFlaggedStalled 5
  HostileOutput.MarkersInAServersReasonPhraseNameNoFile 5
  [=[YtDlpBuilds/ExtractOnce.SameNameFromAnotherLinkGetsANewNameAndTheSameLinkIsAlreadyDownloaded/current  # GetParam() = "current"]=] 24
  [=[YtDlpBuilds/ExtractOnce.AnExpiredMediaLinkIsExtractedAfreshOnceAndDownloaded/current  # GetParam() = "current"]=] 19
  [=[YtDlpBuilds/ExtractOnce.DownloadAfterAPreviewLoadsThePreviewsAnswer/current  # GetParam() = "current"]=] 18
  ToolUpdater.EveryFailedStepSaysWhyAndChangesNothing 16
  DownloadOptionsEndToEnd.EmbedsMetadataChaptersAndThumbnailByContainer 14
  QueueSurvivesKill.ThreeDownloadsContinueTheirPartialFilesAndCompleteOnce 14
  CliList.NewOnlyFetchesOnlyNewEntries 12
  ToolUpdater.ADownloadKeepsItsCopyWhileAnUpdateLandsAndTheNextOneUsesTheNewCopy 11
  [=[YtDlpBuilds/ExtractOnce.AQueuedMasterPlaylistOfThousandsOfVariantsRunsYtDlpOnce/current  # GetParam() = "current"]=] 10
  YTDLPClientRealToolTest.MasterPlaylistOfThousandsOfVariantsWithACurrentYtDlp 9
  CliList.RefusedChoicesExitWithTwo 8
  ToolUpdater.AGenuineFileIsRefusedUnlessItIsTheTaggedVersionAndNewer 8
  [=[YtDlpBuilds/ExtractOnce.DownloadAfterAPreviewLoadsThePreviewsAnswer/debian  # GetParam() = "debian"]=] 8
  DownloadsViewEndToEnd.AMasterPlaylistOfThousandsOfVariantsIsPreviewedAndDownloadedWithOneExtraction 7
  CliTools.UpdateCheckAndRollbackWriteOnlyIntoTheUsersToolFolder 7
  DownloadOptionsEndToEnd.SpeedLimitHoldsTheRate 6
  ToolUpdatesViewTest.AnUpdateGoesOnWhenTheScreenIsLeftAndANewScreenPicksItUp 6
  ToolUpdater.RollbackReturnsToThePreviousCopyAndThenToTheShippedTool 6
  [=[YtDlpBuilds/ExtractOnce.SameNameFromAnotherLinkGetsANewNameAndTheSameLinkIsAlreadyDownloaded/debian  # GetParam() = "debian"]=] 6
  DownloadCoordinator.ALineFloodEndsAsIfAppliedOneByOne 6
  [=[YtDlpBuilds/ExtractOnce.AQueuedMasterPlaylistOfThousandsOfVariantsRunsYtDlpOnce/debian  # GetParam() = "debian"]=] 6
  ToolIntegrity.AToolAlteredAfterBootstrapDoesNotRun 7
  # Under 5 s on an idle machine, over it on a busy one.
  YTDLPClientRealToolTest.AVideoOpenedInsideAPageOfSeveralIsThatVideoWithItsList 5
  CliUpdateHint.AnOldYtDlpPointsToTheUpdateCommand 5
  DownloadOptionsEndToEnd.TemplateAndExtraArgumentsNameTheFile 7
  CliAnalyze.AMasterPlaylistOfThousandsOfVariantsIsListedWhole 6
  ListPreviewCardEndToEnd.ChosenEntriesOfAPageAreDownloadedAndRemembered 5
  YTDLPClientRealToolTest.MasterPlaylistOfThousandsOfVariantsIsDescribedWhole 5
  ToolUpdater.RollbackRefusesACopyThatChangedSince 5
  [=[YtDlpBuilds/ExtractOnce.AnExpiredMediaLinkIsExtractedAfreshOnceAndDownloaded/debian  # GetParam() = "debian"]=] 5
  ToolUpdater.AGoodUpdateIsVerifiedInstalledAndShownAsVerified 5
  CliList.DownloadsTheChosenItemsOfAPage 4
  CliDownload.AMasterPlaylistOfThousandsOfVariantsIsDownloaded 4
  DownloadOptionsEndToEnd.SplitByChaptersGivesOneFilePerChapter 4
  CliDownload.TheSameLinkAgainIsAlreadyDownloaded 4
  DownloadOptionsEndToEnd.ProxySeesTheAnalysisAndTheDownload 4
  YTDLPClientRealToolTest.PageWithATitleAndAVideo 3
  YTDLPClientRealToolTest.APageOfSeveralVideosIsAListWhoseEntriesAreFetchedThroughIt 3
  CliAdvancedFlags.ADownloadWithFlags 3
  MoreOptionsDownload.TheJobCarriesTheCardsOptions 3
  SingleInstance.LaterStartsAndTheCommandLineHandTheirLinksToTheOneWindow 3
  ListPreviewCardWindow.OnlyThisVideoAnalysesTheLinkAgainWithoutItsList 3
  CliAnalyze.FailuresGiveTheirCategory 3
  DownloadEndToEnd.PageListingSeveralVideosGivesOneJobAndOneFile 3
  YTDLPClientRealToolTest.ListsAFeedOfAThousandEntriesFlat 3
  ToolUpdater.ACheckComparesWithoutFetchingAnything 3
  YTDLPClientRealToolTest.DirectMediaFile 3
  ToolUpdatesViewTest.AnOutdatedYtDlpIsUpdatedFromItsRowWithProgressAndShownAsYourCopy 3
  CliBesideWindow.ADownloadLeavesTheWindowsQueueAsItIs 3
  HostileOutput.AConfigurationFileInTheApplicationsFolderRunsNothing 3
  ToolUpdater.DenoComesFromItsZipForThisMachine 3
  ToolUpdater.ACancelledDownloadChangesNothing 3
  CliAnalyze.TitleControlCharactersAreNotPrinted 3
  CliList.AnalyzeListsEveryEntry 3
  ToolUpdatesViewTest.APassedOverCopyAndTheBackgroundFindingAreShown 3
)
while(tarvelle_test_costs)
  list(POP_FRONT tarvelle_test_costs name cost)
  set_tests_properties("${name}" PROPERTIES COST "${cost}")
endwhile()

# The soak waits up to 600 s for its jobs (about 40 s unsanitized, several
# minutes under AddressSanitizer on a busy machine); CTest's own limit for it
# stays above that, so a slow run fails with its count instead of being killed.
set_tests_properties(Soak.AThousandJobsLeaveOneRecordEachAndNothingBehind PROPERTIES TIMEOUT 900)
