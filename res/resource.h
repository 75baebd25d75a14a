// Resource and control IDs, shared by corvaset.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Templates, strings, icons
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_CORVASET_DIALOG     102
#define IDR_MAINFRAME           128

// System menu command of the About box
#define IDM_ABOUTBOX            0x0010

// Push buttons ("Save" and "Cancel" are IDOK and IDCANCEL)
#define IDC_DEFAULT             1091

// Codec model radios, contiguous so that one range serves the group
#define IDC_CODEC_QM1           1096
#define IDC_CODEC_QM2           1097
#define IDC_CODEC_QM3           1098
