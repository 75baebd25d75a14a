// Resource and control IDs, shared by corvaset.rc and the code. Control IDs
// are grouped by kind and named by column; the values are fixed by the
// dialog's design and must not change.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Templates, strings, icons
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDS_OPENFILE            103
#define IDS_SAVEAS              106
#define IDD_CORVASET_DIALOG     102
#define IDD_CHANGES             104
#define IDS_CHANGES             105
#define IDR_MAINFRAME           128

// System menu command of the About box
#define IDM_ABOUTBOX            0x0010
#define IDM_OPENFILE            0x0020
#define IDM_CHANGES             0x0030
#define IDM_SAVEAS              0x0040

// The "Changes..." box: the list of what Save would write, and its Copy button
#define IDC_CHANGES_LIST        1200
#define IDC_CHANGES_COPY        1201

// Push buttons ("Save" and "Cancel" are IDOK and IDCANCEL)
#define IDC_DEFAULT             1091

// Playback "Volume" sliders
#define IDC_SLIDER_MASTER       1000
#define IDC_SLIDER_WAVE         1001
#define IDC_SLIDER_AUX          1002
#define IDC_SLIDER_SWSYNTH      1003
#define IDC_SLIDER_VIDEO        1004
#define IDC_SLIDER_CD           1005
#define IDC_SLIDER_LINEIN       1006
#define IDC_SLIDER_MIC          1007
#define IDC_SLIDER_PHONE        1008
#define IDC_SLIDER_PCSPEAKER    1009
#define IDC_SLIDER_3D           1010
#define IDC_SLIDER_SPDIF        1011
#define IDC_SLIDER_HEADPHONE    1012

// Playback "Disable Line" boxes
#define IDC_DISABLE_MASTER      1013
#define IDC_DISABLE_WAVE        1014
#define IDC_DISABLE_VIDEO       1015
#define IDC_DISABLE_SWSYNTH     1016
#define IDC_DISABLE_AUX         1017
#define IDC_DISABLE_CD          1018
#define IDC_DISABLE_LINEIN      1019
#define IDC_DISABLE_MIC         1020
#define IDC_DISABLE_PHONE       1021
#define IDC_DISABLE_PCSPEAKER   1022
#define IDC_DISABLE_3D          1023
#define IDC_DISABLE_SPDIF       1024
#define IDC_DISABLE_HEADPHONE   1040

// Playback "Mute" boxes
#define IDC_MUTE_MASTER         1025
#define IDC_MUTE_WAVE           1026
#define IDC_MUTE_VIDEO          1027
#define IDC_MUTE_SWSYNTH        1028
#define IDC_MUTE_AUX            1029
#define IDC_MUTE_CD             1030
#define IDC_MUTE_LINEIN         1031
#define IDC_MUTE_MIC            1032
#define IDC_MUTE_PHONE          1033
#define IDC_MUTE_PCSPEAKER      1034
#define IDC_MUTE_3D             1035
#define IDC_MUTE_SPDIF          1036
#define IDC_MUTE_HEADPHONE      1044

// Playback "Max Volume (dB)" spins
#define IDC_MAXSPIN_MASTER      1039
#define IDC_MAXSPIN_WAVE        1041
#define IDC_MAXSPIN_HEADPHONE   1042
#define IDC_MAXSPIN_SWSYNTH     1043
#define IDC_MAXSPIN_AUX         1045
#define IDC_MAXSPIN_VIDEO       1047
#define IDC_MAXSPIN_CD          1049
#define IDC_MAXSPIN_LINEIN      1051
#define IDC_MAXSPIN_MIC         1053
#define IDC_MAXSPIN_PHONE       1055
#define IDC_MAXSPIN_PCSPEAKER   1057
#define IDC_MAXSPIN_3D          1059
#define IDC_MAXSPIN_SPDIF       1061

// Playback "Max Volume (dB)" texts
#define IDC_MAXTEXT_MASTER      1079
#define IDC_MAXTEXT_WAVE        1080
#define IDC_MAXTEXT_SWSYNTH     1081
#define IDC_MAXTEXT_AUX         1082
#define IDC_MAXTEXT_VIDEO       1083
#define IDC_MAXTEXT_CD          1084
#define IDC_MAXTEXT_LINEIN      1085
#define IDC_MAXTEXT_MIC         1086
#define IDC_MAXTEXT_PHONE       1087
#define IDC_MAXTEXT_PCSPEAKER   1088
#define IDC_MAXTEXT_3D          1089
#define IDC_MAXTEXT_SPDIF       1090
#define IDC_MAXTEXT_HEADPHONE   1092

// Playback "Default Volume (dB)" texts
#define IDC_DEFTEXT_MASTER      1066
#define IDC_DEFTEXT_WAVE        1067
#define IDC_DEFTEXT_SWSYNTH     1068
#define IDC_DEFTEXT_AUX         1069
#define IDC_DEFTEXT_VIDEO       1070
#define IDC_DEFTEXT_CD          1071
#define IDC_DEFTEXT_LINEIN      1072
#define IDC_DEFTEXT_MIC         1073
#define IDC_DEFTEXT_PHONE       1074
#define IDC_DEFTEXT_PCSPEAKER   1075
#define IDC_DEFTEXT_3D          1076
#define IDC_DEFTEXT_SPDIF       1077
#define IDC_DEFTEXT_HEADPHONE   1093

// "Advance control" row, "Disable Control" and "Special Features" boxes
#define IDC_SPDIF_SRC           1037
#define IDC_JACK_DETECT         1038
#define IDC_MIC2_SELECT         1063
#define IDC_MIC_BOOST           1064
#define IDC_ENABLE_33V          1065
#define IDC_ENABLE_48K_SPDIF    1078
#define IDC_DISABLE_MIC2        1094
#define IDC_DISABLE_MIC_BOOST   1095

// Recording "Max Volume (dB)" spins
#define IDC_RECSPIN_MONOMIX     1046
#define IDC_RECSPIN_STEREOMIX   1048
#define IDC_RECSPIN_AUX         1050
#define IDC_RECSPIN_CD          1052
#define IDC_RECSPIN_LINEIN      1054
#define IDC_RECSPIN_MIC         1056
#define IDC_RECSPIN_PHONE       1058
#define IDC_RECSPIN_VIDEO       1062

// Recording "Max Volume (dB)" texts
#define IDC_RECTEXT_MONOMIX     1099
#define IDC_RECTEXT_STEREOMIX   1100
#define IDC_RECTEXT_AUX         1101
#define IDC_RECTEXT_VIDEO       1102
#define IDC_RECTEXT_CD          1103
#define IDC_RECTEXT_LINEIN      1104
#define IDC_RECTEXT_MIC         1105
#define IDC_RECTEXT_PHONE       1106

// Recording "Select" radios: 1107 + the record source number
#define IDC_SELECT_MIC          1107
#define IDC_SELECT_CD           1108
#define IDC_SELECT_VIDEO        1109
#define IDC_SELECT_AUX          1110
#define IDC_SELECT_LINEIN       1111
#define IDC_SELECT_STEREOMIX    1112
#define IDC_SELECT_MONOMIX      1113
#define IDC_SELECT_PHONE        1114

// Codec model radios, contiguous so that one range serves the group
#define IDC_CODEC_QM1           1096
#define IDC_CODEC_QM2           1097
#define IDC_CODEC_QM3           1098
