; Stored properties of the main window's skinned buttons, a section per control.
[XPButton1]
Caption = 重新载入
BackStyle = 2
cBack = &H8000000F&
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0

[XPButton2]
Caption = 暂停
BackStyle = 2
cBack = &H8000000F&
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0

[XPButton5]
Caption = 求助
BackStyle = 2
cBack = &H8000000F&
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0

[XPButton4]
Caption = 关于
BackStyle = 2
cBack = &H8000000F&
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0

[XPButton3]
Caption = 官方网站
BackStyle = 2
cBack = &H8000000F&
cFore = &H00C00000&
cFHover = &H00C00000&
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0

[XPButton6]
Caption = 退出
BackStyle = 2
cBack = &H8000000F&
cFore = &H000000FF&
cFHover = &H000000FF&
LockHover = 2
Font = SimSun,9,400,0,0,0
mPointer = 99
mIcon = hand.png
Mode = 0
Value = 0
