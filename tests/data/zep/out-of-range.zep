BEGIN picLayer
      Picture=
      MarginTop=500
      MarginBottom=500
      MarginLeft=500
      MarginRight=500
      Width=11907
      Height=16839.9
      Landscape=False
END
BEGIN shp그리기(1)
      BorderColor=255
      BorderWidth=2
      Left=100
      Top=200
      Width=300
      Height=400
      Shape=3
END
BEGIN shp그리기(2)
      BorderColor=1e300
      BorderWidth=-1e300
      Left=1e300
      Top=-1e300
      Width=1e39
      Height=nan
      Shape=40000
END
BEGIN txt그리기(1)
      Text=x
      FontName=굴림체
      FontSize=1e300
      ForeColor=-1e300
      Left=inf
      Top=1e400
END
