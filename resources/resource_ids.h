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

/* String table entries. */
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

#endif /* RESOURCES_RESOURCE_IDS_H_ */
