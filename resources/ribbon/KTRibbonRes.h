// KTRibbonRes.h: the ribbon's resource ids (range 9600-9699).
#pragma once

#define KT_IDR_RIBBON_QUICKACCESS 9601          // the quick access drop-down's menu
#define KT_IDR_RIBBON_CONTROLCONTEXT 9602       // a control's context menu
#define KT_ID_RIBBON_QUICKACCESSPOPUP 9603      // the quick access drop-down button
#define KT_ID_RIBBONCONTROLTAB 9604             // the tab row, a control of the ribbon itself
#define KT_ID_RIBBON_REMOVEQUICKACCESS 9605     // Remove from Quick Access Toolbar
#define KT_ID_RIBBON_ADDQUICKACCESS 9606        // Add to Quick Access Toolbar
#define KT_ID_RIBBON_CUSTOMIZEQUICKACCESS 9607  // Customize Quick Access Toolbar / More Commands
#define KT_ID_RIBBON_QUICKACCESSBELOW 9608      // Show Below the Ribbon
#define KT_ID_RIBBON_QUICKACCESSABOVE 9610      // Show Above the Ribbon
#define KT_ID_RIBBON_QUICKACCESSMORE 9611       // the quick access "more" button
#define KT_ID_RIBBON_MINIMIZE 9612              // Minimize the Ribbon
#define KT_ID_RIBBON_QUICKACCESSCOMMANDS 9613   // where the command list goes in the drop-down's menu
#define KT_ID_RIBBON_QUICKACCESSTITLE 9614      // the drop-down menu's title
