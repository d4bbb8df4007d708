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

#endif /* RESOURCES_RESOURCE_IDS_H_ */
