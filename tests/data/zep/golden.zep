BEGIN picLayer
      Picture=\이미지\sky.jpg
      MarginTop=737.1
      MarginBottom=737.1
      MarginLeft=737.1
      MarginRight=737.1
      Width=11907
      Height=16839.9
      Landscape=False
END
BEGIN txt그리기(1)
      Text=SALE
      FontName=굴림체
      FontSize=72
      FontBold=True
      FontUnderline=False
      FontItalic=False
      ForeColor=255
      AutoSize=True
      Left=1500
      Top=2000
END
BEGIN img그리기(1)
      Picture=/srv/그림/로고.bmp
      Left=1000
      Top=1000
      Width=1333.33333333333
      Height=666.666666666667
END
BEGIN shp그리기(1)
      BorderStyle=2
      BorderColor=16711680
      BorderWidth=3
      BackStyle=1
      BackColor=65280
      Left=-250
      Top=0
      Width=4000
      Height=0.5
      Shape=4
END
BEGIN lin그리기(1)
      BorderStyle=1
      BorderColor=0
      BorderWidth=2
      X1=0
      Y1=100
      X2=10000
      Y2=100
END
BEGIN txt그리기(2)
      Text=봄
세일
      FontName=궁서
      FontSize=10
      FontBold=False
      FontUnderline=True
      FontItalic=True
      ForeColor=0
      AutoSize=True
      Left=0
      Top=0
END
BEGIN txt그리기(3)
      Text=세
로
      FontName=굴림체
      FontSize=36
      FontBold=False
      FontUnderline=False
      FontItalic=False
      ForeColor=8421504
      AutoSize=False
      Left=12000
      Top=800
END
