[Tools]
Kind = Panel
Left = 0
Top = 0
Width = 1000
Height = 40
BackColor = &H00E0E0E0&

[cmdDesign]
Kind = XPButton
Container = Tools
Left = 8
Top = 6
Width = 104
Height = 28
Caption = Design mode
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = 0
cBack = &H8000000F&

[cmdReset]
Kind = XPButton
Container = Tools
Left = 118
Top = 6
Width = 104
Height = 28
Caption = Reset colours
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdSave]
Kind = XPButton
Container = Tools
Left = 228
Top = 6
Width = 64
Height = 28
Caption = Save
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdCheckCommand]
Kind = XPButton
Container = Tools
Left = 298
Top = 6
Width = 108
Height = 28
Caption = Check command
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdLeftCaption]
Kind = XPButton
Container = Tools
Left = 412
Top = 6
Width = 160
Height = 28
Caption = Left caption, top picture
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[chkFocusRect]
Kind = XPButton
Container = Tools
Left = 578
Top = 6
Width = 112
Height = 28
Caption = Focus rectangle
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = -1
cBack = &H8000000F&

[cmdBitmapPointer]
Kind = XPButton
Container = Tools
Left = 696
Top = 6
Width = 108
Height = 28
Caption = Bitmap pointer
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdClose]
Kind = XPButton
Container = Tools
Left = 810
Top = 6
Width = 60
Height = 28
Caption = Close
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[Sheet]
Kind = Panel
Left = 0
Top = 40
Width = 1000
Height = 644
BackColor = &H00F0F0F0&

[Grid]
Kind = Panel
Container = Sheet
Left = 8
Top = 8
Width = 708
Height = 316
BackColor = &H00FFFFFF&

[lblShape0]
Kind = Label
Container = Grid
Left = 64
Top = 4
Width = 84
Height = 14
Caption = Shape 0

[lblShape1]
Kind = Label
Container = Grid
Left = 156
Top = 4
Width = 84
Height = 14
Caption = Shape 1

[lblShape2]
Kind = Label
Container = Grid
Left = 248
Top = 4
Width = 84
Height = 14
Caption = Shape 2

[lblShape3]
Kind = Label
Container = Grid
Left = 340
Top = 4
Width = 84
Height = 14
Caption = Shape 3

[lblShape4]
Kind = Label
Container = Grid
Left = 432
Top = 4
Width = 84
Height = 14
Caption = Shape 4

[lblShape5]
Kind = Label
Container = Grid
Left = 524
Top = 4
Width = 84
Height = 14
Caption = Shape 5

[lblShape6]
Kind = Label
Container = Grid
Left = 616
Top = 4
Width = 84
Height = 14
Caption = Shape 6

[lblStyle0]
Kind = Label
Container = Grid
Left = 4
Top = 28
Width = 56
Height = 14
Caption = Style 0

[G00]
Kind = XPButton
Container = Grid
Left = 64
Top = 20
Width = 84
Height = 30
Caption = OK
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G01]
Kind = XPButton
Container = Grid
Left = 156
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G02]
Kind = XPButton
Container = Grid
Left = 248
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G03]
Kind = XPButton
Container = Grid
Left = 340
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G04]
Kind = XPButton
Container = Grid
Left = 432
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G05]
Kind = XPButton
Container = Grid
Left = 524
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G06]
Kind = XPButton
Container = Grid
Left = 616
Top = 20
Width = 84
Height = 30
Caption = OK
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle1]
Kind = Label
Container = Grid
Left = 4
Top = 64
Width = 56
Height = 14
Caption = Style 1

[G10]
Kind = XPButton
Container = Grid
Left = 64
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G11]
Kind = XPButton
Container = Grid
Left = 156
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G12]
Kind = XPButton
Container = Grid
Left = 248
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G13]
Kind = XPButton
Container = Grid
Left = 340
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G14]
Kind = XPButton
Container = Grid
Left = 432
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G15]
Kind = XPButton
Container = Grid
Left = 524
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G16]
Kind = XPButton
Container = Grid
Left = 616
Top = 56
Width = 84
Height = 30
Caption = OK
BackStyle = 1
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle2]
Kind = Label
Container = Grid
Left = 4
Top = 100
Width = 56
Height = 14
Caption = Style 2

[G20]
Kind = XPButton
Container = Grid
Left = 64
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G21]
Kind = XPButton
Container = Grid
Left = 156
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G22]
Kind = XPButton
Container = Grid
Left = 248
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G23]
Kind = XPButton
Container = Grid
Left = 340
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G24]
Kind = XPButton
Container = Grid
Left = 432
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G25]
Kind = XPButton
Container = Grid
Left = 524
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G26]
Kind = XPButton
Container = Grid
Left = 616
Top = 92
Width = 84
Height = 30
Caption = OK
BackStyle = 2
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle3]
Kind = Label
Container = Grid
Left = 4
Top = 136
Width = 56
Height = 14
Caption = Style 3

[G30]
Kind = XPButton
Container = Grid
Left = 64
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G31]
Kind = XPButton
Container = Grid
Left = 156
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G32]
Kind = XPButton
Container = Grid
Left = 248
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G33]
Kind = XPButton
Container = Grid
Left = 340
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G34]
Kind = XPButton
Container = Grid
Left = 432
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G35]
Kind = XPButton
Container = Grid
Left = 524
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G36]
Kind = XPButton
Container = Grid
Left = 616
Top = 128
Width = 84
Height = 30
Caption = OK
BackStyle = 3
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle4]
Kind = Label
Container = Grid
Left = 4
Top = 172
Width = 56
Height = 14
Caption = Style 4

[G40]
Kind = XPButton
Container = Grid
Left = 64
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G41]
Kind = XPButton
Container = Grid
Left = 156
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G42]
Kind = XPButton
Container = Grid
Left = 248
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G43]
Kind = XPButton
Container = Grid
Left = 340
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G44]
Kind = XPButton
Container = Grid
Left = 432
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G45]
Kind = XPButton
Container = Grid
Left = 524
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G46]
Kind = XPButton
Container = Grid
Left = 616
Top = 164
Width = 84
Height = 30
Caption = OK
BackStyle = 4
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle5]
Kind = Label
Container = Grid
Left = 4
Top = 208
Width = 56
Height = 14
Caption = Style 5

[G50]
Kind = XPButton
Container = Grid
Left = 64
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G51]
Kind = XPButton
Container = Grid
Left = 156
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G52]
Kind = XPButton
Container = Grid
Left = 248
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G53]
Kind = XPButton
Container = Grid
Left = 340
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G54]
Kind = XPButton
Container = Grid
Left = 432
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G55]
Kind = XPButton
Container = Grid
Left = 524
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G56]
Kind = XPButton
Container = Grid
Left = 616
Top = 200
Width = 84
Height = 30
Caption = OK
BackStyle = 5
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle6]
Kind = Label
Container = Grid
Left = 4
Top = 244
Width = 56
Height = 14
Caption = Style 6

[G60]
Kind = XPButton
Container = Grid
Left = 64
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G61]
Kind = XPButton
Container = Grid
Left = 156
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G62]
Kind = XPButton
Container = Grid
Left = 248
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G63]
Kind = XPButton
Container = Grid
Left = 340
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G64]
Kind = XPButton
Container = Grid
Left = 432
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G65]
Kind = XPButton
Container = Grid
Left = 524
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G66]
Kind = XPButton
Container = Grid
Left = 616
Top = 236
Width = 84
Height = 30
Caption = OK
BackStyle = 6
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[lblStyle7]
Kind = Label
Container = Grid
Left = 4
Top = 280
Width = 56
Height = 14
Caption = Style 7

[G70]
Kind = XPButton
Container = Grid
Left = 64
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G71]
Kind = XPButton
Container = Grid
Left = 156
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G72]
Kind = XPButton
Container = Grid
Left = 248
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G73]
Kind = XPButton
Container = Grid
Left = 340
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G74]
Kind = XPButton
Container = Grid
Left = 432
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G75]
Kind = XPButton
Container = Grid
Left = 524
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[G76]
Kind = XPButton
Container = Grid
Left = 616
Top = 272
Width = 84
Height = 30
Caption = OK
BackStyle = 7
Shape = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[Modes]
Kind = Panel
Container = Sheet
Left = 724
Top = 8
Width = 268
Height = 92
BackColor = &H00F0F0F0&

[lblModes]
Kind = Label
Container = Modes
Left = 4
Top = 4
Width = 200
Height = 14
Caption = Check boxes

[chk1]
Kind = XPButton
Container = Modes
Left = 4
Top = 24
Width = 84
Height = 28
Caption = Style 2
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = -1
cBack = &H8000000F&

[chk2]
Kind = XPButton
Container = Modes
Left = 92
Top = 24
Width = 84
Height = 28
Caption = Style 0
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = 0
cBack = &H8000000F&

[chk3]
Kind = XPButton
Container = Modes
Left = 180
Top = 24
Width = 84
Height = 28
Caption = Style 7
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = 0
cBack = &H8000000F&

[chk4]
Kind = XPButton
Container = Modes
Left = 4
Top = 58
Width = 84
Height = 28
Caption = Style 3
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = 0
cBack = &H8000000F&

[chk5]
Kind = XPButton
Container = Modes
Left = 92
Top = 58
Width = 84
Height = 28
Caption = Style 1
BackStyle = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = -1
cBack = &H8000000F&

[chk6]
Kind = XPButton
Container = Modes
Left = 180
Top = 58
Width = 84
Height = 28
Caption = Style 6
BackStyle = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = 0
cBack = &H8000000F&

[GroupA]
Kind = Panel
Container = Sheet
Left = 724
Top = 108
Width = 130
Height = 120
BackColor = &H00F0F0F0&

[lblGroupA]
Kind = Label
Container = GroupA
Left = 4
Top = 4
Width = 120
Height = 14
Caption = Group A

[optA1]
Kind = XPButton
Container = GroupA
Left = 8
Top = 22
Width = 112
Height = 28
Caption = Option A1
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = -1
cBack = &H8000000F&

[optA2]
Kind = XPButton
Container = GroupA
Left = 8
Top = 54
Width = 112
Height = 28
Caption = Option A2
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = 0
cBack = &H8000000F&

[optA3]
Kind = XPButton
Container = GroupA
Left = 8
Top = 86
Width = 112
Height = 28
Caption = Option A3
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = 0
cBack = &H8000000F&

[GroupB]
Kind = Panel
Container = Sheet
Left = 862
Top = 108
Width = 130
Height = 120
BackColor = &H00E8E0D8&

[lblGroupB]
Kind = Label
Container = GroupB
Left = 4
Top = 4
Width = 120
Height = 14
Caption = Group B

[optB1]
Kind = XPButton
Container = GroupB
Left = 8
Top = 22
Width = 112
Height = 28
Caption = Option B1
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = -1
cBack = &H8000000F&

[optB2]
Kind = XPButton
Container = GroupB
Left = 8
Top = 54
Width = 112
Height = 28
Caption = Option B2
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = 0
cBack = &H8000000F&

[optB3]
Kind = XPButton
Container = GroupB
Left = 8
Top = 86
Width = 112
Height = 28
Caption = Option B3
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = 0
cBack = &H8000000F&

[States]
Kind = Panel
Container = Sheet
Left = 724
Top = 236
Width = 268
Height = 88
BackColor = &H00F0F0F0&

[lblStates]
Kind = Label
Container = States
Left = 4
Top = 4
Width = 200
Height = 14
Caption = Disabled

[dis1]
Kind = XPButton
Container = States
Left = 4
Top = 22
Width = 84
Height = 28
Caption = Style 2
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Enabled = 0
cBack = &H8000000F&

[dis2]
Kind = XPButton
Container = States
Left = 92
Top = 22
Width = 84
Height = 28
Caption = Style 3
BackStyle = 3
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Enabled = 0
cBack = &H8000000F&

[dis3]
Kind = XPButton
Container = States
Left = 180
Top = 22
Width = 84
Height = 28
Caption = Checked
BackStyle = 1
Font = DejaVu Sans,8,400,0,0,0
Mode = 1
Value = -1
Enabled = 0
cBack = &H8000000F&

[dis4]
Kind = XPButton
Container = States
Left = 4
Top = 54
Width = 84
Height = 28
Caption = Style 7
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Enabled = 0
cBack = &H8000000F&

[dis5]
Kind = XPButton
Container = States
Left = 92
Top = 54
Width = 84
Height = 28
Caption = Style 0
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Enabled = 0
cBack = &H8000000F&

[dis6]
Kind = XPButton
Container = States
Left = 180
Top = 54
Width = 84
Height = 28
Caption = Option
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 2
Value = -1
Enabled = 0
cBack = &H8000000F&

[Special]
Kind = Panel
Container = Sheet
Left = 724
Top = 332
Width = 268
Height = 186
BackColor = &H00F0F0F0&

[lblSpecial]
Kind = Label
Container = Special
Left = 4
Top = 4
Width = 200
Height = 14
Caption = Default, pointer, design frame

[cmdDefault]
Kind = XPButton
Container = Special
Left = 4
Top = 24
Width = 124
Height = 30
Caption = Default button
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdPointer]
Kind = XPButton
Container = Special
Left = 136
Top = 24
Width = 124
Height = 30
Caption = Own pointer
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&
mPointer = 99
mIcon = hand.png

[cmdHotFrame]
Kind = XPButton
Container = Special
Left = 4
Top = 62
Width = 124
Height = 40
Caption = Style 5 frame
BackStyle = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdHotRound]
Kind = XPButton
Container = Special
Left = 136
Top = 62
Width = 124
Height = 40
Caption = Style 5 round
BackStyle = 5
Shape = 5
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H00F0F0F0&

[cmdAccess]
Kind = XPButton
Container = Special
Left = 4
Top = 110
Width = 124
Height = 30
Caption = &Access key
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdNoFocus]
Kind = XPButton
Container = Special
Left = 136
Top = 110
Width = 124
Height = 30
Caption = No focus rect
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Focus = 0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdBold]
Kind = XPButton
Container = Special
Left = 4
Top = 148
Width = 124
Height = 30
Caption = Bold italic
BackStyle = 6
Font = DejaVu Sans,9,700,1,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[cmdColours]
Kind = XPButton
Container = Special
Left = 136
Top = 148
Width = 124
Height = 30
Caption = Own colours
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
cFore = &H00004080&
cFHover = &H000000C0&
LockHover = 2
Mode = 0
Value = 0
cBack = &H00D0E8FF&

[Pictures]
Kind = Panel
Container = Sheet
Left = 8
Top = 332
Width = 708
Height = 152
BackColor = &H00F0F0F0&

[lblPictures]
Kind = Label
Container = Pictures
Left = 4
Top = 4
Width = 300
Height = 14
Caption = Picture alignment 0-5 (icon), sizes 16-48 (bitmap)

[pic0]
Kind = XPButton
Container = Pictures
Left = 4
Top = 22
Width = 112
Height = 58
Caption = Align 0
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[pic1]
Kind = XPButton
Container = Pictures
Left = 120
Top = 22
Width = 112
Height = 58
Caption = Align 1
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[pic2]
Kind = XPButton
Container = Pictures
Left = 236
Top = 22
Width = 112
Height = 58
Caption = Align 2
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 2
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[pic3]
Kind = XPButton
Container = Pictures
Left = 352
Top = 22
Width = 112
Height = 58
Caption = Align 3
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 3
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[pic4]
Kind = XPButton
Container = Pictures
Left = 468
Top = 22
Width = 112
Height = 58
Caption = Align 4
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 4
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[pic5]
Kind = XPButton
Container = Pictures
Left = 584
Top = 22
Width = 112
Height = 58
Caption = Align 5
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 5
Image = icon32.png
ImgSize = 24
cBack = &H8000000F&

[size16]
Kind = XPButton
Container = Pictures
Left = 4
Top = 86
Width = 112
Height = 58
Caption = 16 px
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = keyed.png
cBack = &H8000000F&

[size24]
Kind = XPButton
Container = Pictures
Left = 120
Top = 86
Width = 112
Height = 58
Caption = 24 px
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = keyed.png
ImgSize = 24
cBack = &H8000000F&

[size32]
Kind = XPButton
Container = Pictures
Left = 236
Top = 86
Width = 112
Height = 58
Caption = 32 px
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = keyed.png
ImgSize = 32
cBack = &H8000000F&

[size40]
Kind = XPButton
Container = Pictures
Left = 352
Top = 86
Width = 112
Height = 58
Caption = 40 px
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = keyed.png
ImgSize = 40
cBack = &H8000000F&

[size48]
Kind = XPButton
Container = Pictures
Left = 468
Top = 86
Width = 112
Height = 58
Caption = 48 px
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
ImgAlign = 1
Image = keyed.png
ImgSize = 48
cBack = &H8000000F&

[picDisabled]
Kind = XPButton
Container = Pictures
Left = 584
Top = 86
Width = 112
Height = 58
Caption = Disabled
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
Image = keyed.png
ImgSize = 32
Enabled = 0
cBack = &H8000000F&

[Gradients]
Kind = Panel
Container = Sheet
Left = 8
Top = 492
Width = 708
Height = 72
BackColor = &H00F0F0F0&

[lblGradients]
Kind = Label
Container = Gradients
Left = 4
Top = 4
Width = 300
Height = 14
Caption = Gradient modes 0-4

[grad0]
Kind = XPButton
Container = Gradients
Left = 4
Top = 22
Width = 112
Height = 44
Caption = Mode 0
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H00FF8000&
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[grad1]
Kind = XPButton
Container = Gradients
Left = 120
Top = 22
Width = 112
Height = 44
Caption = Mode 1
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H00FF8000&
Gradient = 1
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[grad2]
Kind = XPButton
Container = Gradients
Left = 236
Top = 22
Width = 112
Height = 44
Caption = Mode 2
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H00FF8000&
Gradient = 2
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[grad3]
Kind = XPButton
Container = Gradients
Left = 352
Top = 22
Width = 112
Height = 44
Caption = Mode 3
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H00FF8000&
Gradient = 3
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[grad4]
Kind = XPButton
Container = Gradients
Left = 468
Top = 22
Width = 112
Height = 44
Caption = Mode 4
BackStyle = 7
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H00FF8000&
Gradient = 4
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[grad5]
Kind = XPButton
Container = Gradients
Left = 584
Top = 22
Width = 112
Height = 44
Caption = Style 0, 3
Font = DejaVu Sans,8,400,0,0,0
cGradient = &H0000C0FF&
Gradient = 3
Mode = 0
Value = 0
cBack = &H00FFFFFF&

[Captions]
Kind = Panel
Container = Sheet
Left = 8
Top = 572
Width = 708
Height = 64
BackColor = &H00F0F0F0&

[lblCaptions]
Kind = Label
Container = Captions
Left = 4
Top = 4
Width = 300
Height = 14
Caption = Caption styles, alignment, line break

[cap0]
Kind = XPButton
Container = Captions
Left = 4
Top = 20
Width = 112
Height = 40
Caption = Flat
BackStyle = 6
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H00C0C0C0&

[cap1]
Kind = XPButton
Container = Captions
Left = 120
Top = 20
Width = 112
Height = 40
Caption = Embossed
BackStyle = 6
Font = DejaVu Sans,8,400,0,0,0
CapStyle = 1
Mode = 0
Value = 0
cBack = &H00C0C0C0&

[cap2]
Kind = XPButton
Container = Captions
Left = 236
Top = 20
Width = 112
Height = 40
Caption = Engraved
BackStyle = 6
Font = DejaVu Sans,8,400,0,0,0
CapStyle = 2
Mode = 0
Value = 0
cBack = &H00C0C0C0&

[capLeft]
Kind = XPButton
Container = Captions
Left = 352
Top = 20
Width = 112
Height = 40
Caption = Left
CapAlign = 0
BackStyle = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[capRight]
Kind = XPButton
Container = Captions
Left = 468
Top = 20
Width = 112
Height = 40
Caption = Right
CapAlign = 1
BackStyle = 4
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&

[capBreak]
Kind = XPButton
Container = Captions
Left = 584
Top = 20
Width = 112
Height = 40
Caption = One||Two
BackStyle = 2
Font = DejaVu Sans,8,400,0,0,0
Mode = 0
Value = 0
cBack = &H8000000F&
