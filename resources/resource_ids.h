/* Ids of the installer's resources, shared by the .rc files and the code.
   Plain defines only: the resource compiler reads this file too. */
#ifndef RESOURCES_RESOURCE_IDS_H_
#define RESOURCES_RESOURCE_IDS_H_

/* "BIN" resources: data files for the setup's first run. */
#define IDR_MASTER_PREFERENCES 305
#define IDR_CLIDS 306
#define IDR_WEBSITE_ICON 323

/* "BIN" resources: brand packages (cabinets). */
#define IDR_DEFAULT_BRAND_PACKAGE 319
#define IDR_PARTNER_PACKAGE 320

/* String table entries. A text may mark a link run with "((" and "))".
   Dialog texts come in two styles: the classic one and the redesigned one
   (_REDESIGNED). */

/* The main window. */
#define IDS_WINDOW_TITLE 400
#define IDS_FIRST_SCREEN_TITLE 410
#define IDS_FIRST_SCREEN_OFF_TITLE 411
#define IDS_STAGE_DOWNLOADING 412
#define IDS_STAGE_INSTALLING 413
#define IDS_STAGE_ALMOST_DONE 414
#define IDS_INSTALL_BUTTON 415
#define IDS_CLOSE 416
#define IDS_COLLAPSE 417
#define IDS_MAKE_DEFAULT 426
#define IDS_SEND_STATISTICS 427
#define IDS_PIN_TO_TASKBAR 429
#define IDS_PRIVACY_POLICY 431
#define IDS_LICENCE_LINK_NAME 462
#define IDS_LICENCE_TEXT 463
/* Time-left texts, shown by no screen. */
#define IDS_TIME_LEFT_UNDER_A_MINUTE 464
#define IDS_TIME_LEFT_A_MINUTE 465
#define IDS_TIME_LEFT_MINUTES 466
#define IDS_TIME_LEFT_UNKNOWN 467

/* The resume prompt. */
#define IDS_RESUME_PROMPT_TITLE 419
#define IDS_RESUME 420
#define IDS_RESUME_CANCEL 421
#define IDS_RESUME_PROMPT_TITLE_REDESIGNED 422
#define IDS_RESUME_PROMPT_TEXT_REDESIGNED 423

/* Installation errors. */
#define IDS_ERROR_CANCEL 418
#define IDS_INSTALL_ERROR_TITLE 432
#define IDS_DOWNLOAD_OFFER_TITLE_REDESIGNED 433
#define IDS_SEE_LOG_FILE 434
#define IDS_FAILURE_TITLE_REDESIGNED 435
#define IDS_FAILURE_TEXT_REDESIGNED 436
#define IDS_CRYPTOPRO_TITLE 440
#define IDS_CRYPTOPRO_TEXT 441
#define IDS_CRYPTOPRO_TITLE_REDESIGNED 442
#define IDS_CRYPTOPRO_TEXT_REDESIGNED 443
#define IDS_WRONG_BITNESS_TEXT 444
#define IDS_WRONG_BITNESS_TITLE_REDESIGNED 445
#define IDS_WRONG_BITNESS_TEXT_REDESIGNED 446
#define IDS_PROGRAM_FILES_TEXT 447
#define IDS_PROGRAM_FILES_TITLE_REDESIGNED 448
#define IDS_FOLDER_LOCKED_TEXT 449
#define IDS_FOLDER_LOCKED_TITLE_REDESIGNED 450
#define IDS_FOLDER_LOCKED_TEXT_REDESIGNED 451
#define IDS_DOWNLOAD_OFFER_TEXT 452
#define IDS_DOWNLOAD_OFFER_TEXT_REDESIGNED 453
#define IDS_DOWNLOAD 459
#define IDS_DOWNLOAD_CANCEL 460

/* A browser already installed. */
#define IDS_NEWER_VERSION_TITLE 454
#define IDS_NEWER_VERSION_TEXT 455
#define IDS_NEWER_VERSION_TITLE_REDESIGNED 456
#define IDS_NEWER_VERSION_TEXT_REDESIGNED 457
#define IDS_CORP_BROWSER_EXISTS_TITLE 491
#define IDS_CORP_BROWSER_EXISTS_TEXT 492
#define IDS_CORP_BROWSER_EXISTS_TITLE_REDESIGNED 493
#define IDS_CORP_BROWSER_EXISTS_TEXT_REDESIGNED 494
#define IDS_UPDATE 495
#define IDS_UPDATE_CANCEL 496
#define IDS_CORP_NEWER_VERSION_TITLE 497
#define IDS_CORP_NEWER_VERSION_TEXT 498
#define IDS_CORP_NEWER_VERSION_TITLE_REDESIGNED 499
#define IDS_CORP_NEWER_VERSION_TEXT_REDESIGNED 500
#define IDS_CORPORATE_INSTALLED_TITLE 511
#define IDS_CORPORATE_INSTALLED_TEXT 512
#define IDS_CORPORATE_INSTALLED_TITLE_REDESIGNED 513
#define IDS_CORPORATE_INSTALLED_TEXT_REDESIGNED 514

/* Buttons of the redesigned dialogs. */
#define IDS_GOT_IT 501
#define IDS_PROCEED 503
#define IDS_STOP 504
#define IDS_GO_TO_SITE 505
#define IDS_OPEN 506
#define IDS_CONTACT_US 507
#define IDS_DOWNLOAD_REDESIGNED 508
#define IDS_CORP_UPDATE_REDESIGNED 509
#define IDS_CORP_UPDATE_CANCEL_REDESIGNED 510

/* Shown before the main window exists. */
#define IDS_OK 461
#define IDS_DISK_SPACE_TITLE 471
#define IDS_DISK_SPACE_TEXT 472
#define IDS_INSTALLER_TITLE 481
#define IDS_INSTALL_IMPOSSIBLE 482
#define IDS_NO_SSE2 483
#define IDS_NO_SSE3 484

/* The program icon. */
#define IDI_MAIN_ICON 900

/* RT_FONT resources: the interface fonts, by face name "VS Geo Medium",
   "VS Geo Regular" and "VS Text". */
#define IDR_FONT_GEO_MEDIUM 2087
#define IDR_FONT_GEO_REGULAR 2088
#define IDR_FONT_TEXT 2090

/* RCDATA pictures. Backgrounds and slides are 1604 x 860 (2x only); PNG
   from Windows 8 on, JPEG before. */
#define IDR_FIRST_SCREEN_BACKGROUND_2X 2069
#define IDR_FIRST_SCREEN_OFF_BACKGROUND_2X 2331
#define IDR_FIRST_SCREEN_BACKGROUND_JPEG_2X 2022
#define IDR_FIRST_SCREEN_OFF_BACKGROUND_JPEG_2X 2329
#define IDR_BUILTIN_SLIDE 2073
#define IDR_BUILTIN_SLIDE_RU 2075
#define IDR_BUILTIN_SLIDE_JPEG 2026
#define IDR_BUILTIN_SLIDE_RU_JPEG 2028

/* RCDATA pictures of the controls, 1x and 2x. */
#define IDR_LOGO 2271
#define IDR_LOGO_2X 2272
#define IDR_LOGO_RU 2273
#define IDR_LOGO_RU_2X 2274
#define IDR_CHECK_BOX_GLYPHS 2019
#define IDR_CHECK_BOX_GLYPHS_2X 2020
#define IDR_INSTALL_BUTTON 2270
#define IDR_CLOSE_BUTTON 2030
#define IDR_CLOSE_BUTTON_2X 2031
#define IDR_MINIMIZE_BUTTON 2034
#define IDR_MINIMIZE_BUTTON_2X 2035
#define IDR_MINIMIZE_PLACEHOLDER 2036
#define IDR_MINIMIZE_PLACEHOLDER_2X 2037
#define IDR_PROGRESS_FILL 2038
#define IDR_PROGRESS_FILL_2X 2039
#define IDR_PROGRESS_TRACK 2040
#define IDR_PROGRESS_TRACK_2X 2041

/* RCDATA shadow pieces of the main window: four corners (top-left,
   top-right, bottom-right, bottom-left) from the first corner id, four edges
   (left, top, right, bottom) from the first edge id. */
#define IDR_SHADOW_CORNER_FIRST 2275
#define IDR_SHADOW_EDGE_FIRST 2279
#define IDR_SHADOW_CORNER_2X_FIRST 2283
#define IDR_SHADOW_EDGE_2X_FIRST 2287
#define IDR_SHADOW_SQUARE_CORNER_FIRST 2291
#define IDR_SHADOW_SQUARE_CORNER_2X_FIRST 2295

/* RCDATA pictures of the redesigned message dialogs. The background
   (460 x 234) is stretched over the whole dialog. Button sprites hold three
   frames (normal, hot, pressed) of 100 x 35 (2x: 200 x 70); the program keeps
   8 design pixels at each end of a frame and stretches the middle. */
#define IDR_DIALOG_BACKGROUND 2233
#define IDR_DIALOG_PRIMARY_BUTTON 2234
#define IDR_DIALOG_PRIMARY_BUTTON_2X 2235
#define IDR_DIALOG_SECONDARY_BUTTON 2236
#define IDR_DIALOG_SECONDARY_BUTTON_2X 2237
#define IDR_DIALOG_CLOSE_BUTTON 2238
#define IDR_DIALOG_CLOSE_BUTTON_2X 2239

/* RCDATA shadow pieces of the redesigned dialogs, 2x only, each stretched
   into its rectangle: four corners (top-left, top-right, bottom-right,
   bottom-left), then four edges (left, top, right, bottom). Rounded corners
   from Windows 8 on, square ones before. */
#define IDR_DIALOG_SHADOW_CORNER_FIRST 2240
#define IDR_DIALOG_SHADOW_EDGE_FIRST 2244
#define IDR_DIALOG_SHADOW_SQUARE_CORNER_FIRST 2248
#define IDR_DIALOG_SHADOW_SQUARE_EDGE_FIRST 2252

/* RCDATA pictures of the classic message dialogs. The background (410 x 186)
   is a 397 x 174 opaque panel at (7, 4) inside its own drawn shadow; button
   sprites hold three frames (normal, hot, pressed) of 120 x 28. */
#define IDR_CLASSIC_DIALOG_BACKGROUND 104
#define IDR_CLASSIC_DIALOG_FIRST_BUTTON 105
#define IDR_CLASSIC_DIALOG_SECOND_BUTTON 106
#define IDR_CLASSIC_DIALOG_BACKGROUND_2X 2104
#define IDR_CLASSIC_DIALOG_FIRST_BUTTON_2X 2105
#define IDR_CLASSIC_DIALOG_SECOND_BUTTON_2X 2106

#endif /* RESOURCES_RESOURCE_IDS_H_ */
