[XPButton1]
Caption = 重新开始
BackColor = &H00FFC0C0&
ForeColor = &H80000012&
Font = SimSun,9,700,0,0,0
Value = -1
Enabled = True
CapAlign = &H2&
Picture = png:iVBORw0KGgoAAAANSUhEUgAAABkAAAAKCAIAAADOyWIBAAAAGklEQVR42mMssfrJQCXAxEA9MGrWqFm0NAsABOgBuyDi7EwAAAAASUVORK5CYII=
[xpbutton1]
Style = 3
; comment
# comment
